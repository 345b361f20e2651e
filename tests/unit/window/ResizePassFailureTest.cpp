#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "tests/unit/window/Placement.h"
#include "window/FrameLayout.h"

namespace zingbox::test {
namespace {

// Every key whose value differs between two layouts.
std::vector<std::string> Changed(const Placement& before, const Placement& after) {
  std::vector<std::string> keys;
  for (const auto& [key, value] : after) {
    if (before.at(key) != value) keys.push_back(key);
  }
  return keys;
}

TEST(FailedPass, ARefusedNegativePlayerWidthEndsThePassAfterTheCentreReset) {
  FakeForm fake;
  ResizeTo(fake, 3600, 6000);  // leaves both centre pieces narrowed
  const Placement before = PlacementOf(fake);

  ResizeTo(fake, 1000, 9000);  // the player's width would be -370

  EXPECT_EQ(Changed(before, PlacementOf(fake)),
            (std::vector<std::string>{"bott.Width", "topp.Width"}));
  EXPECT_EQ(fake.topp.Width(), 6675);
  EXPECT_EQ(fake.bott.Width(), 6255);
  EXPECT_EQ(fake.flash.Height(), 3940);  // the step after the refusal did not run

  ResizeTo(fake, 12000, 9000);
  EXPECT_EQ(PlacementOf(fake), FreshLayout(12000, 9000));
}

TEST(FailedPass, ARefusalPartWayLeavesEveryLaterPieceWhereThePreviousPassPutIt) {
  FakeForm fake;
  ResizeTo(fake, 12000, 9000);
  const Placement before = PlacementOf(fake);

  fake.log.FailAt("bot_lf.Width=1542.5");
  ResizeTo(fake, 11500, 9000);

  const Placement after = PlacementOf(fake);
  EXPECT_EQ(after.at("bot_lf.Left"), 960);          // the step before ran
  EXPECT_EQ(after.at("rightf.Left"), 11500 - 795);  // earlier steps stay in effect
  EXPECT_EQ(after.at("bot_lf.Width"), before.at("bot_lf.Width"));
  EXPECT_EQ(after.at("bot_rf.Width"), before.at("bot_rf.Width"));
  EXPECT_EQ(after.at("bott.Left"), before.at("bott.Left"));
  EXPECT_EQ(after.at("bot_rf.Left"), before.at("bot_rf.Left"));
  EXPECT_EQ(after.at("Image7.Left"), before.at("Image7.Left"));
  EXPECT_EQ(after.at("Label4.Left"), before.at("Label4.Left"));
  EXPECT_EQ(fake.log.Ops().back(), "bot_lf.Left=960");

  fake.log.FailNothing();
  ResizeTo(fake, 11500, 9000);
  EXPECT_EQ(PlacementOf(fake), FreshLayout(11500, 9000));
}

TEST(FailedPass, AFailedReadEndsThePassAtTheStepThatReads) {
  FakeForm fake;
  fake.rightt.failReads = true;
  ResizeTo(fake, 12000, 9000);
  // The bottom centre step is the first to read rightt; the top row is already done.
  EXPECT_EQ(fake.log.Ops().back(), "topp.Width=6675");
  EXPECT_EQ(fake.top_rf.Width(), 1840);
  EXPECT_EQ(fake.bott.Width(), 6255);
  EXPECT_EQ(fake.topp.Left(), 1920);  // design value: the top row positions did not run

  fake.rightt.failReads = false;
  ResizeTo(fake, 12000, 9000);
  EXPECT_EQ(PlacementOf(fake), FreshLayout(12000, 9000));
}

TEST(FailedPass, AnOverflowingHeightEndsThePassBeforeThePlayerHeight) {
  FakeForm fake;
  ResizeTo(fake, 12000, INFINITY);
  EXPECT_EQ(fake.log.Ops().back(), "flash.Width=10630");
  EXPECT_EQ(fake.flash.Height(), 6855);
}

TEST(FailedPass, ANotANumberWidthEndsThePassBeforeThePlayerWidth) {
  FakeForm fake;
  ResizeTo(fake, NAN, 9000);
  EXPECT_EQ(fake.log.Ops().back(), "bott.Width=6255");
  EXPECT_EQ(fake.flash.Width(), 9135);
}

TEST(FailedPass, AComparedSumThatOverflowsInSinglePrecisionEndsThePass) {
  // Two corners each FLT_MAX wide: their sum is finite in double but not as a float.
  FakeForm fake;
  fake.top_left.SetWidth(FLT_MAX);
  fake.top_right.SetWidth(FLT_MAX);
  fake.top_lf.SetWidth(123);
  fake.top_rf.SetWidth(133);
  fake.log.Clear();
  ResizeTo(fake, 12000, 9000);
  EXPECT_EQ(fake.log.Ops().back(), "top_lf.Left=3.40282347e+38");
  EXPECT_EQ(fake.top_lf.Width(), 123);
  EXPECT_EQ(fake.top_rf.Width(), 133);
}

TEST(FailedPass, ANegativeCentreWidthIsRefusedAndTheTopFillersStayClosed) {
  FakeForm fake;
  ResizeTo(fake, 12000, 9000);
  ResizeTo(fake, 1500, 3000);  // the player fits, the top row's corners do not
  EXPECT_EQ(fake.flash.Width(), 130);
  EXPECT_EQ(fake.top_lf.Width(), 0);
  EXPECT_EQ(fake.top_rf.Width(), 0);
  EXPECT_EQ(fake.topp.Width(), 6675);
  EXPECT_EQ(fake.log.Ops().back(), "top_rf.Width=0");
}

}  // namespace
}  // namespace zingbox::test
