#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/RuntimeError.h"
#include "shell/StartUp.h"
#include "tests/support/FakeForm.h"

namespace zingbox {
namespace {

using Ops = std::vector<std::string>;

struct StartUpTest : ::testing::Test {
  test::FakeForm fake;
  test::FakeProgramFolder folder{fake.log, u"/usr/lib/zingbox"};
  ShellState state{3, False};

  void Load() { Form1_Load(fake.controls, state, folder); }

  // The operations after the layout's start-up pass, which has tests of its own.
  Ops AfterLayout() const {
    const Ops& ops = fake.log.Ops();
    auto first = std::find_if(ops.begin(), ops.end(), [](const std::string& op) { return op.rfind("flash.", 0) == 0; });
    return Ops(first, ops.end());
  }
};

TEST_F(StartUpTest, SetsTheStateLaysOutPlacesThePlayerThenLoadsAndPlaysTheMenu) {
  Load();
  EXPECT_EQ(state.CurrentGame, 0);
  EXPECT_EQ(state.Playing, True);
  EXPECT_EQ(fake.log.Ops().front(), "top_left.Left=0") << "the layout comes first";
  EXPECT_EQ(AfterLayout(), (Ops{"flash.Top=780", "flash.Left=605", "MovieFolder",
                                "flash.Movie=/usr/lib/zingbox\\zingbox.swf", "flash.Play"}));
  // Its size waits for the first resize pass; no colour is assigned at start.
  EXPECT_EQ(fake.flash.Width(), 9135);
  EXPECT_EQ(fake.flash.Height(), 6855);
  EXPECT_EQ(fake.Label3.Caption(), u"Pause");
}

TEST_F(StartUpTest, AFailureEndsLoadWithTheStateAlreadySet) {
  const float opening = fake.form.width;
  fake.form.width = 3000;  // the start-up pass refuses the top row's negative filler
  EXPECT_THROW(Load(), RuntimeError);
  EXPECT_EQ(state.CurrentGame, 0);
  EXPECT_EQ(state.Playing, True);
  EXPECT_TRUE(AfterLayout().empty()) << "player unplaced and no movie loaded";

  fake.form.width = opening;
  fake.log.Clear();
  fake.log.FailAt("flash.Movie=/usr/lib/zingbox\\zingbox.swf");
  EXPECT_THROW(Load(), RuntimeError);
  EXPECT_EQ(AfterLayout(), (Ops{"flash.Top=780", "flash.Left=605", "MovieFolder"}));
}

}  // namespace
}  // namespace zingbox
