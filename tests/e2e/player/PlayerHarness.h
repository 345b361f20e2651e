#pragma once

#include <QColor>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ruffle/EngineEnvironment.h"
#include "platform/ruffle/RufflePlayer.h"
#include "tests/support/Display.h"
#include "tests/support/PageScript.h"
#include "tests/support/Stages.h"

namespace zingbox::test {

struct Command {
  QString command;
  QString args;
};

// A window with a real RufflePlayer in it, placed at (20, 20) px and sized to the test
// movies' stage through the player's own twip setters, shown and recording every FSCommand.
class PlayerHarness {
 public:
  PlayerHarness();

  RufflePlayer& Player() { return *player_; }
  QWidget& Window() { return window_; }

  // "<program folder>\<file>", the way the shell forms a movie path.
  static std::u16string MoviePath(const QString& file);
  static QString ProgramFolder();
  void Load(const QString& file) { player_->SetMovie(MoviePath(file)); }
  // Forgets the commands so far, loads `file` and waits for its `command`, as WaitForCommand.
  bool LoadAndWaitFor(const QString& file, const QString& command, const QString& args = QString());
  // Gives the window the X input focus, which no window manager does here, and the player the keys.
  bool TakeKeyboard();

  // Passes each FSCommand on to `handler` as well, after recording it.
  void ForwardCommandsTo(MoviePlayer::FSCommandHandler handler) { forward_ = std::move(handler); }

  const std::vector<Command>& Commands() const { return commands_; }
  void ForgetCommands() { commands_.clear(); }
  // Waits until the movie has sent `command` (with exactly `args` unless that is null).
  bool WaitForCommand(const QString& command, const QString& args = QString(), int timeoutMs = 20000);
  int CountOf(const QString& command) const;
  // The arguments of the latest `command`, or null.
  QString LatestArgs(const QString& command) const;

  // The colour the player shows at `point` (player coordinates), taken from grab().
  QColor PixelAt(QPoint point);
  bool WaitForPixel(QPoint point, QColor expected, int timeoutMs = 20000);

  // Evaluates a JavaScript expression in the player's page and returns it as text.
  QString EvaluateInPage(const QString& expression);
  // WaitForDrawnFrames on the player's page.
  bool DrawnFrames(int frames);
  // Kills the renderer as the out-of-memory killer would; returns its process id, or 0.
  qint64 KillRenderer();

 private:
  QWidget window_;
  RufflePlayer* player_;
  std::vector<Command> commands_;
  MoviePlayer::FSCommandHandler forward_;
};

bool SameColour(QColor actual, QColor expected, int tolerance = 3);

// Waits until the page has drawn `frames` animation frames: the chances a playing movie
// has to move on. Counted in a script world of the test's own, where neither the movie
// nor the page's pause (which holds the movie's frame requests) can touch the count.
bool WaitForDrawnFrames(QWebEnginePage& page, int frames, int timeoutMs = 20000);

}  // namespace zingbox::test

// Qt Test's main, with the web engine's environment prepared before the application.
#define ZINGBOX_PLAYER_TEST_MAIN(TestClass)    \
  int main(int argc, char** argv) {            \
    zingbox::PrepareEngineEnvironment();       \
    QApplication app(argc, argv);              \
    TestClass test;                            \
    return QTest::qExec(&test, argc, argv);    \
  }
