// Key presses typed on the display reach the movie after every load, and after a fresh
// renderer has taken over from one that died. The window's part, keys after each button
// click, is the launcher's own end-to-end test.
#include <QApplication>
#include <QTest>

#include "tests/e2e/player/PlayerHarness.h"

namespace zingbox::test {

class KeysTest : public QObject {
  Q_OBJECT

  std::unique_ptr<PlayerHarness> harness_;

  void LoadKeys() { QVERIFY(harness_->LoadAndWaitFor("keys.swf", "started", "keys")); }

  // Holds the right arrow down on the X display for a few frames, as a player would.
  bool HoldRightReaches() {
    harness_->ForgetCommands();
    return WhileKeyHeld("Right", [&] { return harness_->WaitForCommand("key", "right", 5000); });
  }

 private slots:
  void initTestCase() {
    harness_ = std::make_unique<PlayerHarness>();
    QVERIFY(harness_->TakeKeyboard());
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
    QVERIFY(harness_->KillRenderer() > 0);
    QVERIFY(harness_->WaitForCommand("started", "keys"));
    QVERIFY(HoldRightReaches());
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::KeysTest)
#include "KeysTest.moc"
