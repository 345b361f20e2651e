// Which of a movie's FSCommands reach the program, and at what pace.
#include "platform/ruffle/MovieCommands.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStringList>

namespace zingbox {
namespace {

class MovieCommandsTest : public testing::Test {
 protected:
  MovieCommandsTest() {
    commands_.SetHandler([this](const QString& command, const QString& args) {
      delivered_.append(command + QLatin1Char(' ') + args);
      if (command == QLatin1String("game")) commands_.MovieReplaced(++movie_);
    });
    commands_.MovieReplaced(movie_);
  }

  // One turn of the event loop: the user's input would be handled next.
  void Turn() { QCoreApplication::processEvents(); }

  int argc_ = 0;
  QCoreApplication app_{argc_, nullptr};
  MovieCommands commands_;
  int movie_ = 1;
  QStringList delivered_;
};

TEST_F(MovieCommandsTest, OnePerTurnAndNoneOfAMovieOnceReplaced) {
  for (const char* command : {"sound", "game", "score"}) commands_.Receive(1, command, "on");
  EXPECT_TRUE(delivered_.isEmpty()) << "never inside the page's own call";
  Turn();
  EXPECT_EQ(delivered_, QStringList{"sound on"});
  Turn();
  // The game replaced movie 1: what it sent after, waiting or late, goes unheard.
  commands_.Receive(1, "late", "");
  commands_.Receive(2, "hello", "");
  for (int turn = 0; turn < 3; ++turn) Turn();
  EXPECT_EQ(delivered_, (QStringList{"sound on", "game on", "hello "}));
}

TEST_F(MovieCommandsTest, AFloodWaitsNoLongerThanItsBoundAndGoesWithItsMovie) {
  for (int command = 0; command < 5000; ++command) commands_.Receive(1, "noise", QString::number(command));
  for (std::size_t turn = 0; turn < 2 * MovieCommands::MostWaiting; ++turn) Turn();
  EXPECT_EQ(delivered_.size(), MovieCommands::MostWaiting);
  EXPECT_EQ(delivered_.back(), QStringLiteral("noise %1").arg(MovieCommands::MostWaiting - 1));

  delivered_.clear();
  for (int command = 0; command < 5000; ++command) commands_.Receive(1, "noise", "");
  commands_.MovieReplaced(2);  // the user's Menu button
  commands_.Receive(2, "hello", "");
  Turn();
  EXPECT_EQ(delivered_, QStringList{"hello "});
}

}  // namespace
}  // namespace zingbox
