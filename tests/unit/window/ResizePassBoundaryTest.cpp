#include <gtest/gtest.h>

#include "tests/unit/window/Placement.h"
#include "window/FrameLayout.h"

namespace zingbox::test {
namespace {

constexpr float kRoomyHeight = 9000;

TEST(TopRow, FitsExactlyAtTheSumOfCornersAndNaturalCentre) {
  FakeForm fake;
  ResizeTo(fake, 8340, kRoomyHeight);
  EXPECT_EQ(fake.top_lf.Width(), 0);
  EXPECT_EQ(fake.top_rf.Width(), 10);
  EXPECT_EQ(fake.topp.Width(), 6675);
  EXPECT_EQ(fake.topp.Left(), 750);
  EXPECT_EQ(fake.top_rf.Left(), 7425);
  EXPECT_EQ(fake.top_right.Left(), 7425);
}

TEST(TopRow, OneTwipNarrowerClosesBothFillersAndNarrowsTheCentre) {
  FakeForm fake;
  ResizeTo(fake, 8339, kRoomyHeight);
  EXPECT_EQ(fake.top_lf.Width(), 0);
  EXPECT_EQ(fake.top_rf.Width(), 0);
  EXPECT_EQ(fake.topp.Width(), 8339 - 1665);
  EXPECT_EQ(fake.top_rf.Left(), fake.top_right.Left());
}

TEST(BottomRow, AtItsNaturalWidthTheFillersAreZeroAndTen) {
  FakeForm fake;
  ResizeTo(fake, 8415, kRoomyHeight);
  EXPECT_EQ(fake.bott.Width(), 6255);
  EXPECT_EQ(fake.bot_lf.Width(), 0);
  EXPECT_EQ(fake.bot_rf.Width(), 10);
}

TEST(BottomRow, NarrowerThanNaturalTheCentreFillsTheGapAndTheRightFillerOverlapsTheCorner) {
  FakeForm fake;
  ResizeTo(fake, 8000, kRoomyHeight);
  EXPECT_EQ(fake.bott.Width(), 8000 - 960 - 1200);
  EXPECT_EQ(fake.bott.Left(), 960);
  EXPECT_EQ(fake.bot_lf.Width(), 0);
  EXPECT_EQ(fake.bot_rf.Width(), 10);
  EXPECT_EQ(fake.bot_rf.Left(), fake.rightt.Left());
}

TEST(BottomRow, ANarrowWindowUsesTheSettledCentreWhileTheTopRowUsesTheResetOne) {
  // Between 8340 and 8415 the top row still fits but the bottom row does not.
  FakeForm fake;
  ResizeTo(fake, 8400, kRoomyHeight);
  EXPECT_EQ(fake.top_lf.Width(), 30);
  EXPECT_EQ(fake.top_rf.Width(), 40);
  EXPECT_EQ(fake.topp.Width(), 6675);
  EXPECT_EQ(fake.bott.Width(), 6240);
  EXPECT_EQ(fake.bot_lf.Width(), 0);
  EXPECT_EQ(fake.bot_rf.Width(), 10);
}

TEST(SideEdges, RightEdgeIsZeroWhenItsCornersMeetAndGrowsTwipByTwipAfter) {
  FakeForm fake;
  ResizeTo(fake, 12000, 5775 + 1080);
  EXPECT_EQ(fake.rightf.Height(), 0);
  EXPECT_EQ(fake.leftf.Height(), 15);
  ResizeTo(fake, 12000, 5775 + 1080 + 1);
  EXPECT_EQ(fake.rightf.Height(), 1);
}

TEST(SideEdges, LeftEdgeIsZeroWhenItsCornersMeetOrOverlap) {
  FakeForm fake;
  ResizeTo(fake, 12000, 5595 + 1245);
  EXPECT_EQ(fake.leftf.Height(), 0);
  EXPECT_EQ(fake.rightf.Height(), 0);
  ResizeTo(fake, 12000, 3000);
  EXPECT_EQ(fake.leftf.Height(), 0);
  EXPECT_EQ(fake.rightf.Height(), 0);
}

TEST(SendAFriend, HiddenBelowFourThousandShownFromItAndShownAgainWhenWider) {
  FakeForm fake;
  ResizeTo(fake, 3999, kRoomyHeight);
  EXPECT_FALSE(fake.Image7.Visible());
  EXPECT_FALSE(fake.Label4.Visible());
  ResizeTo(fake, 4000, kRoomyHeight);
  EXPECT_TRUE(fake.Image7.Visible());
  EXPECT_TRUE(fake.Label4.Visible());
  ResizeTo(fake, 3999, kRoomyHeight);
  ResizeTo(fake, 9000, kRoomyHeight);
  EXPECT_TRUE(fake.Image7.Visible());
  EXPECT_TRUE(fake.Label4.Visible());
}

TEST(PressedPictures, MoveWithTheirButtonsWhileShowing) {
  FakeForm fake;
  fake.Image4.SetVisible(true);
  fake.Image3.SetVisible(false);
  ResizeTo(fake, 12000, kRoomyHeight);
  EXPECT_EQ(fake.Image4.Left(), fake.Image3.Left());
  EXPECT_EQ(fake.Image4.Top(), fake.Image3.Top());
  EXPECT_TRUE(fake.Image4.Visible());
  EXPECT_FALSE(fake.Image3.Visible());
}

TEST(Minimized, MovesNothingAndRestoringPlacesEverythingForTheRestoredSize) {
  FakeForm fake;
  ResizeTo(fake, 12000, 9000);
  const Placement before = PlacementOf(fake);
  fake.log.Clear();

  fake.form.state = WindowState::Minimized;
  ResizeTo(fake, 2400, 405);
  EXPECT_TRUE(fake.log.Ops().empty());
  EXPECT_EQ(PlacementOf(fake), before);

  fake.form.state = WindowState::Normal;
  ResizeTo(fake, 3600, 6000);
  FakeForm fresh;
  ResizeTo(fresh, 3600, 6000);
  EXPECT_EQ(PlacementOf(fake), PlacementOf(fresh));
}

TEST(Maximized, IsPlacedLikeANormalWindow) {
  FakeForm maximized;
  maximized.form.state = WindowState::Maximized;
  ResizeTo(maximized, 24000, 17000);
  FakeForm normal;
  ResizeTo(normal, 24000, 17000);
  EXPECT_EQ(PlacementOf(maximized), PlacementOf(normal));
}

TEST(Repeat, TwoPassesAtTheSameSizeGiveTheSameLayoutAndTheSameAssignments) {
  for (const auto& [width, height] : {std::pair{3600.0f, 6000.0f}, std::pair{12000.0f, 9000.0f},
                                     std::pair{8339.0f, 6855.0f}}) {
    FakeForm fake;
    ResizeTo(fake, width, height);
    const Placement first = PlacementOf(fake);
    const auto firstOps = fake.log.Ops();
    fake.log.Clear();
    ResizeTo(fake, width, height);
    EXPECT_EQ(PlacementOf(fake), first) << width << " x " << height;
    EXPECT_EQ(fake.log.Ops(), firstOps) << width << " x " << height;
  }
}

TEST(ReadBack, LaterStepsBuildOnWhatAControlReports) {
  // A control that kept other sizes than the description's: the formulas read them.
  FakeForm fake;
  fake.top_left.SetWidth(1000);
  fake.rightt.SetWidth(1500);
  fake.leftt.SetHeight(2000);
  ResizeTo(fake, 12000, 9000);
  EXPECT_EQ(fake.top_lf.Left(), 1000);
  EXPECT_EQ(fake.top_lf.Width(), (12000 - 1000 - 915 - 6675) / 2.0f);
  EXPECT_EQ(fake.topp.Left(), fake.top_lf.Width() + 1000);
  EXPECT_EQ(fake.rightt.Left(), 10500);
  EXPECT_EQ(fake.bot_lf.Width(), (12000 - 6255 - 1500 - 960) / 2.0f);
  EXPECT_EQ(fake.leftt.Top(), 9000 - 2000 - 410);
  EXPECT_EQ(fake.leftf.Height(), 9000 - 5595 - 2000);
}

}  // namespace
}  // namespace zingbox::test
