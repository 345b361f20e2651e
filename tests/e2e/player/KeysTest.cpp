// Key presses typed on the display reach the movie after every load, and after a fresh
// renderer has taken over from one that died. The window's part, keys after each button
// click, is the launcher's own end-to-end test.
#include <signal.h>

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <QWebEnginePage>

#include "tests/e2e/player/PlayerHarness.h"

namespace zingbox::test {
namespace {

const QString Key = QStringLiteral("key");
const QString Right = QStringLiteral("right");

bool RunXdotool(const QStringList& arguments) {
  return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

}  // namespace

class KeysTest : public QObject {
  Q_OBJECT

  std::unique_ptr<PlayerHarness> harness_;

  void LoadKeys() {
    harness_->ForgetCommands();
    harness_->Player().SetMovie(PlayerHarness::MoviePath(QStringLiteral("keys.swf")));
    QVERIFY(harness_->WaitForCommand(QStringLiteral("started"), QStringLiteral("keys")));
  }

  // Holds the right arrow down on the X display for a few frames, as a player would.
  bool HoldRightReaches() {
    harness_->ForgetCommands();
    if (!RunXdotool({QStringLiteral("keydown"), QStringLiteral("Right")})) return false;
    const bool reached = harness_->WaitForCommand(Key, Right, 5000);
    RunXdotool({QStringLiteral("keyup"), QStringLiteral("Right")});
    return reached;
  }

 private slots:
  void initTestCase() {
    harness_ = std::make_unique<PlayerHarness>();
    // Without a window manager the X input focus has to be given to the window directly.
    harness_->Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&harness_->Window()));
    harness_->Player().setFocus();
  }

  void cleanupTestCase() { harness_.reset(); }

  void keysReachTheFirstMovie() {
    LoadKeys();
    QVERIFY(HoldRightReaches());
  }

  void keysReachTheNextMovieToo() {
    LoadKeys();
    LoadKeys();
    QVERIFY(HoldRightReaches());
  }

  void keysReachTheMovieAfterItsRendererDied() {
    LoadKeys();
    harness_->ForgetCommands();
    QCOMPARE(::kill(static_cast<pid_t>(harness_->Player().page()->renderProcessPid()), SIGKILL), 0);
    QVERIFY(harness_->WaitForCommand(QStringLiteral("started"), QStringLiteral("keys")));
    QVERIFY(HoldRightReaches());
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::KeysTest)
#include "KeysTest.moc"
