#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/unit/window/Placement.h"
#include "window/FrameLayout.h"

namespace zingbox::test {
namespace {

constexpr float kRoomyHeight = 9000;

struct RowBoundary {
  const char* what;
  float width;
  std::vector<std::pair<const char*, float>> expected;
};

// The top row fits exactly at the sum of its corners and natural centre (8340) and the
// bottom row at 8415; between the two the bottom row settles its centre while the top
// row keeps the reset one. Narrower, both fillers of a row close, the centre fills the
// gap and the bottom row's right filler lies over its corner.
const RowBoundary RowBoundaries[] = {
    {"top row exactly", 8340,
     {{"top_lf.Width", 0}, {"top_rf.Width", 10}, {"topp.Width", 6675}, {"topp.Left", 750},
      {"top_rf.Left", 7425}, {"top_right.Left", 7425}}},
    {"top row a twip narrower", 8339,
     {{"top_lf.Width", 0}, {"top_rf.Width", 0}, {"topp.Width", 6674}, {"top_rf.Left", 7424},
      {"top_right.Left", 7424}}},
    {"bottom row exactly", 8415, {{"bott.Width", 6255}, {"bot_lf.Width", 0}, {"bot_rf.Width", 10}}},
    {"bottom row narrower", 8000,
     {{"bott.Width", 5840}, {"bott.Left", 960}, {"bot_lf.Width", 0}, {"bot_rf.Width", 10},
      {"bot_rf.Left", 6800}, {"rightt.Left", 6800}}},
    {"between the two", 8400,
     {{"top_lf.Width", 30}, {"top_rf.Width", 40}, {"topp.Width", 6675}, {"bott.Width", 6240},
      {"bot_lf.Width", 0}, {"bot_rf.Width", 10}}},
};

TEST(Rows, AtTheirBoundariesFillersCloseAndCentresGiveWay) {
  for (const RowBoundary& row : RowBoundaries) {
    FakeForm fake;
    ResizeTo(fake, row.width, kRoomyHeight);
    const Placement placement = PlacementOf(fake);
    for (const auto& [key, value] : row.expected) EXPECT_EQ(placement.at(key), value) << row.what << ": " << key;
  }
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
  EXPECT_EQ(PlacementOf(fake), FreshLayout(3600, 6000));
}

TEST(Maximized, IsPlacedLikeANormalWindow) {
  FakeForm maximized;
  maximized.form.state = WindowState::Maximized;
  ResizeTo(maximized, 24000, 17000);
  EXPECT_EQ(PlacementOf(maximized), FreshLayout(24000, 17000));
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
