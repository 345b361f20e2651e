// When a dying renderer is brought back, and when it is given up on.
#include "platform/ruffle/RendererDeaths.h"

#include <gtest/gtest.h>

namespace zingbox {
namespace {

constexpr qint64 Second = 1000;

TEST(RendererDeathsTest, TheThirdDeathWithinAMinuteIsTheLast) {
  RendererDeaths deaths;
  EXPECT_TRUE(deaths.NoteDeath(0));
  EXPECT_TRUE(deaths.NoteDeath(30 * Second));
  EXPECT_TRUE(deaths.NoteDeath(60 * Second)) << "the first has left the minute";
  EXPECT_FALSE(deaths.NoteDeath(61 * Second));
  EXPECT_FALSE(deaths.NoteDeath(62 * Second));

  deaths.Forget();  // the user asked for a movie
  EXPECT_TRUE(deaths.NoteDeath(63 * Second));
  EXPECT_TRUE(deaths.NoteDeath(64 * Second));
  EXPECT_FALSE(deaths.NoteDeath(65 * Second));
}

}  // namespace
}  // namespace zingbox
