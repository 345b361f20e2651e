#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/RuntimeError.h"
#include "tests/unit/window/Placement.h"
#include "window/FrameLayout.h"

namespace zingbox::test {
namespace {

// Every assignment is logged, so nothing else is assigned: what waits for the first
// resize (the bottom row's widths, the side edges, the buttons, the player) keeps its
// design values.
TEST(StartupPass, MakesItsFourteenAssignmentsInOrderAndNoOther) {
  FakeForm fake;
  fake.form.width = 12000;
  fake.form.height = 9000;
  StartupPass(fake.controls);
  const std::vector<std::string> expected{
      "top_left.Left=0",   "top_right.Left=11085", "top_lf.Left=750",  "top_lf.Width=1830",
      "top_rf.Width=1840", "topp.Left=2580",       "top_rf.Left=9255", "leftt.Left=0",
      "leftt.Top=7345",    "rightt.Left=10800",    "rightt.Top=7510",  "bott.Top=7705",
      "bot_lf.Top=7690",   "bot_rf.Top=7720"};
  EXPECT_EQ(fake.log.Ops(), expected);
}

TEST(StartupPass, ReadsTheCentreWidthTheControlHasRatherThanTheNaturalOne) {
  FakeForm fake;
  fake.topp.SetWidth(6000);
  fake.form.width = 12000;
  StartupPass(fake.controls);
  EXPECT_EQ(fake.top_lf.Width(), 2167.5);
  EXPECT_EQ(fake.top_rf.Width(), 2177.5);
  EXPECT_EQ(fake.top_rf.Left(), 2167.5 + 750 + 6000);
}

TEST(StartupPass, ANarrowWindowsNegativeTopFillerReachesTheCaller) {
  FakeForm fake;
  fake.form.width = 3600;
  fake.form.height = 6000;
  try {
    StartupPass(fake.controls);
    FAIL() << "a negative top_lf width must be refused";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), error_number::InvalidPropertyValue);
  }
  EXPECT_EQ(fake.log.Ops(),
            (std::vector<std::string>{"top_left.Left=0", "top_right.Left=2685", "top_lf.Left=750"}));
}

TEST(StartupPass, AnArithmeticFaultReachesTheCallerAsAnOverflow) {
  FakeForm fake;
  fake.form.width = INFINITY;
  try {
    StartupPass(fake.controls);
    FAIL() << "an infinite width must not be assigned";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), error_number::Overflow);
  }
  EXPECT_EQ(fake.log.Ops(), std::vector<std::string>{"top_left.Left=0"});
}

}  // namespace
}  // namespace zingbox::test
