// What the player shows in place of a movie as its page starts, dies and comes back; the
// test sets the clock and fires the time-out.
#include "platform/ruffle/PlayerWatch.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace zingbox {
namespace {

const PlayerNotice NotReadyInTime{"The Flash player cannot start.", "",
                                  "It did not get ready within 15 seconds. Click Menu or Restart to try again."};

class PlayerWatchTest : public testing::Test {
 protected:
  int argc_ = 0;
  QCoreApplication app_{argc_, nullptr};
  qint64 now_ = 0;
  PlayerNotice shown_;
  int givenUp_ = 0;
  PlayerWatch watch_{[this] { return now_; }, [this](const PlayerNotice& notice) { shown_ = notice; },
                     [this] { ++givenUp_; }};
};

TEST_F(PlayerWatchTest, APageNotReadyInTimeIsGivenUpOnUntilItGetsReadyAfterAll) {
  watch_.PageLoading({});
  EXPECT_EQ(shown_, PlayerNotice{});
  watch_.TimeUp();
  EXPECT_EQ(shown_, NotReadyInTime);
  EXPECT_EQ(givenUp_, 1);
  watch_.PageReady(true);
  EXPECT_EQ(shown_, PlayerNotice{});

  watch_.PageLoading({});
  watch_.PageReady(false);
  EXPECT_EQ(shown_, (PlayerNotice{"The Flash player cannot start.", "ruffle/ruffle.js",
                                  "Its engine is missing or damaged. Reinstall the program to play the games."}));
  EXPECT_EQ(givenUp_, 2);
}

TEST_F(PlayerWatchTest, APageDyingAsItLoadsComesBackUntilItsThirdDeathInAMinute) {
  watch_.MovieChosen("game.swf", {});
  watch_.PageLoading({});
  now_ = 10'000;
  EXPECT_TRUE(watch_.PageDied());
  now_ = 40'000;
  EXPECT_TRUE(watch_.PageDied());
  now_ = 70'000;
  EXPECT_TRUE(watch_.PageDied()) << "the first has left the minute";
  now_ = 71'000;
  EXPECT_FALSE(watch_.PageDied());
  const PlayerNotice stopped{"The Flash player stopped unexpectedly.", "game.swf",
                            "Click Menu or Restart to try again."};
  EXPECT_EQ(shown_, stopped);
  watch_.TimeUp();
  EXPECT_EQ(shown_, stopped) << "no page is waited for any more";
  EXPECT_EQ(givenUp_, 1);

  watch_.MovieChosen("menu.swf", {});
  EXPECT_EQ(shown_, stopped) << "until a fresh page gets ready";
  watch_.ForgetDeaths();  // the user asked for another try
  EXPECT_TRUE(watch_.PageDied());
  EXPECT_TRUE(watch_.PageDied());
  EXPECT_FALSE(watch_.PageDied());
  EXPECT_EQ(shown_.file, "menu.swf");
}

TEST_F(PlayerWatchTest, AMoviesProblemOutlastsAFreshPage) {
  const PlayerNotice empty{"This movie cannot be played.", "game.swf", "The file is empty."};
  watch_.MovieChosen("game.swf", "The file is empty.");
  EXPECT_EQ(shown_, empty);
  EXPECT_TRUE(watch_.PageDied());
  watch_.PageLoading({});
  watch_.PageReady(true);
  EXPECT_EQ(shown_, empty);

  watch_.MovieChosen("game.swf", {});
  EXPECT_EQ(shown_, PlayerNotice{});
  watch_.MovieUnreadable();
  EXPECT_EQ(shown_, (PlayerNotice{"This movie cannot be played.", "game.swf", "The Flash player could not read it."}));
}

}  // namespace
}  // namespace zingbox
