// Key presses typed on the display reach the movie after every load, and again once the
// player takes the focus back from another control, as the window does after a click.
#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

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
  QLineEdit* elsewhere_ = nullptr;

  void LoadKeys() {
    harness_->ForgetCommands();
    harness_->Player().SetMovie(PlayerHarness::MoviePath(QStringLiteral("keys.swf")));
    QVERIFY(harness_->WaitForCommand(QStringLiteral("started"), QStringLiteral("keys")));
  }

  // Holds the right arrow down on the X display for a few frames, as a player would.
  bool HoldRightReaches(int timeoutMs = 5000) {
    harness_->ForgetCommands();
    if (!RunXdotool({QStringLiteral("keydown"), QStringLiteral("Right")})) return false;
    const bool reached = harness_->WaitForCommand(Key, Right, timeoutMs);
    RunXdotool({QStringLiteral("keyup"), QStringLiteral("Right")});
    return reached;
  }

 private slots:
  void initTestCase() {
    harness_ = std::make_unique<PlayerHarness>();
    elsewhere_ = new QLineEdit(&harness_->Window());
    elsewhere_->setGeometry(20, 280, 200, 30);
    elsewhere_->show();
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

  void keysComeBackWithTheFocus() {
    LoadKeys();
    elsewhere_->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), elsewhere_);
    QVERIFY(!HoldRightReaches(1000));  // 30 frames: the keys really went elsewhere
    harness_->Player().setFocus();
    QVERIFY(HoldRightReaches());
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::KeysTest)
#include "KeysTest.moc"
