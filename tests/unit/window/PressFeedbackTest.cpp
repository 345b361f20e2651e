#include "window/PressFeedback.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/unit/window/Placement.h"

namespace zingbox::test {
namespace {

const std::vector<std::string> kTick{
    "Image1.Visible=true", "Image2.Visible=false", "Image3.Visible=true", "Image4.Visible=false",
    "Image5.Visible=true", "Image6.Visible=false", "Timer1.Enabled=false"};

TEST(PressFeedback, APressShowsThePressedPictureUntilTheTickRestoresAllThreePairs) {
  FakeForm fake;
  const Placement rest = PlacementOf(fake);

  PressStep(fake.Image1, fake.Image2, fake.Timer1);
  EXPECT_EQ(fake.log.Ops(), (std::vector<std::string>{"Image1.Visible=false", "Image2.Visible=true",
                                                      "Timer1.Enabled=true"}));
  EXPECT_FALSE(fake.Image1.Visible());
  EXPECT_TRUE(fake.Image2.Visible());
  EXPECT_TRUE(fake.Timer1.Enabled());

  fake.log.Clear();
  Timer1_Timer(fake.controls);
  EXPECT_EQ(fake.log.Ops(), kTick);
  EXPECT_FALSE(fake.Timer1.Enabled());
  EXPECT_EQ(PlacementOf(fake), rest);
}

TEST(PressFeedback, TwoPressesBeforeTheTickAreBothRestoredByIt) {
  FakeForm fake;
  const Placement rest = PlacementOf(fake);

  PressStep(fake.Image5, fake.Image6, fake.Timer1);
  PressStep(fake.Image3, fake.Image4, fake.Timer1);
  EXPECT_TRUE(fake.Image6.Visible());
  EXPECT_TRUE(fake.Image4.Visible());
  EXPECT_FALSE(fake.Image5.Visible());
  EXPECT_FALSE(fake.Image3.Visible());
  EXPECT_TRUE(fake.Image1.Visible());

  Timer1_Timer(fake.controls);
  EXPECT_EQ(PlacementOf(fake), rest);
  EXPECT_FALSE(fake.Timer1.Enabled());
}

TEST(PressFeedback, TheTickOnARestedFormChangesNothingVisible) {
  FakeForm fake;
  const Placement rest = PlacementOf(fake);
  Timer1_Timer(fake.controls);
  EXPECT_EQ(PlacementOf(fake), rest);
  EXPECT_FALSE(fake.Timer1.Enabled());
}

TEST(PressFeedback, APressedPictureShowsAtItsButtonsPlaceAfterAResize) {
  FakeForm fake;
  PressStep(fake.Image1, fake.Image2, fake.Timer1);
  ResizeTo(fake, 12000, 9000);
  Timer1_Timer(fake.controls);
  EXPECT_TRUE(fake.Image1.Visible());
  EXPECT_EQ(fake.Image1.Left(), 600);
  EXPECT_EQ(fake.Image1.Top(), 7750);
  EXPECT_EQ(fake.Image2.Left(), 600);
  EXPECT_EQ(fake.Image2.Top(), 7750);
}

}  // namespace
}  // namespace zingbox::test
