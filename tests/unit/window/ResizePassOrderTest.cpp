#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/unit/window/Placement.h"
#include "window/FrameLayout.h"

namespace zingbox::test {
namespace {

// The order decides what survives a failed step, so every assignment is held to it.
TEST(ResizePassOrder, AssignsEveryPropertyInStepOrder) {
  FakeForm fake;
  ResizeTo(fake, 12000, 9000);
  const std::vector<std::string> expected{
      "topp.Width=6675",      "bott.Width=6255",      "flash.Width=10630",
      "flash.Height=6940",    "top_left.Left=0",      "top_right.Left=11085",
      "top_lf.Left=750",      "top_lf.Width=1830",    "top_rf.Width=1840",
      "topp.Width=6675",      "bott.Width=6255",      "topp.Left=2580",
      "top_rf.Left=9255",     "leftt.Left=0",         "leftt.Top=7345",
      "rightt.Left=10800",    "rightt.Top=7510",      "bott.Top=7705",
      "bot_lf.Top=7690",      "bot_rf.Top=7720",      "rightf.Left=11205",
      "leftf.Left=0",         "rightf.Top=5775",      "leftf.Top=5595",
      "rightf.Height=2145",   "leftf.Height=2160",    "bot_lf.Left=960",
      "bot_lf.Width=1792.5",  "bot_rf.Width=1802.5",  "bott.Left=2752.5",
      "bot_rf.Left=9007.5",   "Image1.Left=600",      "Image2.Left=600",
      "Image1.Top=7750",      "Image2.Top=7750",      "Image3.Top=7750",
      "Image4.Top=7750",      "Image5.Top=7750",      "Image6.Top=7750",
      "Image3.Left=2000",     "Image4.Left=2000",     "Image5.Left=1300",
      "Image6.Left=1300",     "Label1.Top=8280",      "Label1.Left=664",
      "Label2.Top=8280",      "Label2.Left=1305",     "Label3.Top=8280",
      "Label3.Left=1955",     "Image7.Left=11010",    "Image7.Top=7750",
      "Label4.Top=8280",      "Label4.Left=10800",    "Image7.Visible=true",
      "Label4.Visible=true"};
  EXPECT_EQ(fake.log.Ops(), expected);
}

TEST(ResizePassOrder, ClosedFillersAndHiddenSendAFriendKeepTheirOrderToo) {
  FakeForm fake;
  ResizeTo(fake, 3600, 6000);
  const auto& ops = fake.log.Ops();
  const auto at = [&ops](const std::string& op) {
    return std::find(ops.begin(), ops.end(), op) - ops.begin();
  };
  EXPECT_LT(at("top_lf.Width=0"), at("top_rf.Width=0"));
  EXPECT_LT(at("top_rf.Width=0"), at("topp.Width=1935"));
  EXPECT_LT(at("bott.Width=1440"), at("topp.Left=750"));
  EXPECT_LT(at("bot_lf.Width=0"), at("bot_rf.Width=10"));
  EXPECT_LT(at("rightf.Height=0"), at("leftf.Height=0"));
  EXPECT_EQ(ops[ops.size() - 2], "Image7.Visible=false");
  EXPECT_EQ(ops.back(), "Label4.Visible=false");
}

}  // namespace
}  // namespace zingbox::test
