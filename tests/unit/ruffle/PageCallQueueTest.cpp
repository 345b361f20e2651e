// The order and pace in which the program's calls reach the player page.
#include "platform/ruffle/PageCallQueue.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <functional>
#include <vector>

namespace zingbox {
namespace {

// A page that records each batch and runs it only when the test says so.
class PageCallQueueTest : public testing::Test {
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
  PageCallQueue queue_{[this](const QString& script, std::function<void()> ran) {
    batches_.push_back(script);
    ran_ = std::move(ran);
  }};
};

TEST_F(PageCallQueueTest, WaitsForThePageThenSendsInOrder) {
  queue_.Colour("red;");
  queue_.Movie("menu;");
  queue_.Call("play;");
  RunAll();
  EXPECT_TRUE(batches_.empty());

  queue_.PageReady();
  EXPECT_EQ(batches_, std::vector<QString>{"red;menu;play;"});
}

TEST_F(PageCallQueueTest, AFloodOfMoviesLeavesOneBatchAtATimeWithTheNewest) {
  queue_.PageReady();
  for (int command = 0; command < 1000; ++command) {
    queue_.Colour(QStringLiteral("colour%1;").arg(command));
    queue_.Movie(QStringLiteral("game%1;").arg(command));
    RunAll();  // each command in a turn of its own
  }
  ASSERT_EQ(batches_, std::vector<QString>{"colour0;game0;"});

  PageRanTheLastBatch();
  EXPECT_EQ(batches_.back(), "colour999;game999;");
  PageRanTheLastBatch();
  EXPECT_EQ(batches_.size(), 2u) << "nothing is left to send";
}

TEST_F(PageCallQueueTest, AMovieMakesTheCallsBeforeItMoot) {
  queue_.PageReady();
  queue_.Call("stop;");
  queue_.Movie("menu;");
  queue_.Movie("game;");  // Restart passes through the menu
  queue_.Call("play;");
  RunAll();
  EXPECT_EQ(batches_, std::vector<QString>{"game;play;"});
}

TEST_F(PageCallQueueTest, AFreshPageTakesWhatWaitsEvenWithABatchUnanswered) {
  queue_.PageReady();
  queue_.Movie("menu;");
  RunAll();
  queue_.Movie("game;");
  RunAll();
  queue_.PageReady();  // the page loaded again; the batch in flight is gone with it
  EXPECT_EQ(batches_, (std::vector<QString>{"menu;", "game;"}));
}

}  // namespace
}  // namespace zingbox
