// The order and pace in which the program's calls reach the player page, and what a
// fresh page is told again.
#include "platform/ruffle/PlayerMemory.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <functional>
#include <vector>

namespace zingbox {
namespace {

// A page that records each batch and runs it only when the test says so.
class PlayerMemoryTest : public testing::Test {
 protected:
  void RunAll() { QCoreApplication::processEvents(); }
  void PageRanTheLastBatch() {
    std::exchange(ran_, nullptr)();
    RunAll();
  }

  int argc_ = 0;
  QCoreApplication app_{argc_, nullptr};
  std::vector<QString> batches_;
  std::function<void()> ran_;
  PlayerMemory memory_{[this](const QString& script, std::function<void()> ran) {
    batches_.push_back(script);
    ran_ = std::move(ran);
  }};
};

TEST_F(PlayerMemoryTest, WaitsForThePageThenSendsInOrder) {
  memory_.Colour("red;");
  memory_.Movie("menu;");
  memory_.Call("play;");
  RunAll();
  EXPECT_TRUE(batches_.empty());

  memory_.PageReady();
  EXPECT_EQ(batches_, std::vector<QString>{"red;menu;play;"});
}

TEST_F(PlayerMemoryTest, AFloodOfMoviesLeavesOneBatchAtATimeWithTheNewest) {
  memory_.PageReady();
  for (int command = 0; command < 1000; ++command) {
    memory_.Colour(QStringLiteral("colour%1;").arg(command));
    memory_.Movie(QStringLiteral("game%1;").arg(command));
    RunAll();  // each command in a turn of its own
  }
  ASSERT_EQ(batches_, std::vector<QString>{"colour0;game0;"});

  PageRanTheLastBatch();
  EXPECT_EQ(batches_.back(), "colour999;game999;");
  PageRanTheLastBatch();
  EXPECT_EQ(batches_.size(), 2u) << "nothing is left to send";
}

TEST_F(PlayerMemoryTest, AMovieMakesTheCallsBeforeItMoot) {
  memory_.PageReady();
  memory_.Call("stop;");
  memory_.Movie("menu;");
  memory_.Movie("game;");  // Restart passes through the menu
  memory_.Playback("play;");
  RunAll();
  EXPECT_EQ(batches_, std::vector<QString>{"game;play;"});
}

TEST_F(PlayerMemoryTest, AFreshPageIsToldWhatTheProgramSaidLast) {
  memory_.PageReady();
  memory_.Colour("green;");
  memory_.Movie("game;");
  memory_.Playback("stop;");
  memory_.Call("focus;");
  RunAll();
  memory_.Colour("blue;");
  RunAll();  // waits for the answer that the dying page never gives
  const auto answerOfTheDeadPage = std::exchange(ran_, nullptr);

  memory_.PageLoading();
  memory_.PageReady();
  ASSERT_EQ(batches_, (std::vector<QString>{"green;game;stop;focus;", "blue;game;stop;"}));

  memory_.Movie("menu;");  // plays: the stop was for the movie before
  answerOfTheDeadPage();
  RunAll();
  EXPECT_EQ(batches_.size(), 2u) << "only the fresh page's answer lets the next batch go";
  PageRanTheLastBatch();
  EXPECT_EQ(batches_.back(), "menu;");
  memory_.PageLoading();
  memory_.PageReady();
  EXPECT_EQ(batches_.back(), "blue;menu;");
}

TEST_F(PlayerMemoryTest, AFailedPageKeepsNoCallsButIsToldEverythingIfItGetsReady) {
  memory_.Colour("green;");
  memory_.Movie("game;");
  memory_.PageFailed();
  memory_.Call("focus;");
  memory_.Playback("stop;");
  memory_.Playback("play;");
  RunAll();
  EXPECT_TRUE(batches_.empty());
  EXPECT_TRUE(memory_.HasPageFailed());

  memory_.PageReady();  // late, but there
  EXPECT_EQ(batches_, std::vector<QString>{"green;game;play;"});
  EXPECT_FALSE(memory_.HasPageFailed());
}

}  // namespace
}  // namespace zingbox
