// A gamepad plays the movie as keys. The pad is the test's own: it stands in for the
// browser's getGamepads() in the page and counts how often the page asks for pads.
#include <QTest>

#include "tests/e2e/player/MovieFrames.h"
#include "tests/e2e/player/PlayerHarness.h"

namespace zingbox::test {
namespace {

// It sits in the second slot, as after another pad went. `listeners` are the page's
// listeners for a connected pad, which make the browser poll the devices.
const QString FakePad = QStringLiteral(R"((() => {
  window.testPad = { plugged: false, asked: 0, listeners: new Set(), axes: [0, 0, 0, 0],
                     buttons: Array.from({ length: 17 }, () => ({ pressed: false })) };
  Navigator.prototype.getGamepads = () => {
    testPad.asked++;
    const pad = { connected: true, buttons: testPad.buttons, axes: testPad.axes };
    return [null, testPad.plugged ? pad : null, null, null];
  };
  for (const [method, track] of [["addEventListener", "add"], ["removeEventListener", "delete"]]) {
    const original = EventTarget.prototype[method];
    EventTarget.prototype[method] = function (type, listener, ...rest) {
      if (this === window && type === "gamepadconnected") testPad.listeners[track](listener);
      return original.call(this, type, listener, ...rest);
    };
  }
  return true;
})())");

// Buttons of the standard layout.
constexpr int South = 0, East = 1, West = 2, North = 3, Start = 9;
constexpr int Up = 12, Down = 13, Left = 14, Right = 15;

}  // namespace

class GamepadTest : public QObject {
  Q_OBJECT

  std::unique_ptr<PlayerHarness> harness_;

  void LoadPadMovie() { QVERIFY(harness_->LoadAndWaitFor("pad.swf", "started", "pad")); }
  QString InPage(const QString& expression) { return harness_->EvaluateInPage("(" + expression + ")"); }
  void Plug(bool plugged) {
    InPage(QString("testPad.plugged = %1, dispatchEvent(new Event('gamepad%2connected'))")
               .arg(plugged ? "true" : "false", plugged ? "" : "dis"));
  }
  void Press(int button, bool pressed = true) {
    InPage(QString("testPad.buttons[%1].pressed = %2").arg(button).arg(pressed ? "true" : "false"));
  }
  void Tilt(double across, double down) { InPage(QString("testPad.axes = [%1, %2, 0, 0]").arg(across).arg(down)); }
  int TimesAsked() { return InPage("testPad.asked").toInt(); }
  QString Held() const { return harness_->LatestArgs("held"); }

 private slots:
  void initTestCase() {
    harness_ = std::make_unique<PlayerHarness>();
    LoadPadMovie();  // the page is up
    QCOMPARE(InPage(FakePad), "true");
  }
  void init() { LoadPadMovie(); }
  void cleanup() {
    InPage("testPad.buttons.forEach(b => b.pressed = false), testPad.axes = [0, 0, 0, 0]");
    Plug(false);
  }
  void cleanupTestCase() { harness_.reset(); }

  void padWorksFromPluggingToUnplugging() {
    const int before = TimesAsked();
    QVERIFY(PlayFrames(*harness_, 10, "held"));
    QCOMPARE(TimesAsked(), before);  // no pad, no asking
    Plug(true);  // while the movie plays
    Press(Right);
    Press(South);
    QTRY_COMPARE(Held(), "+Right+Space");
    Plug(false);
    QTRY_COMPARE(Held(), QString());  // nothing stays held
    const int afterUnplugging = TimesAsked();
    QVERIFY(PlayFrames(*harness_, 10, "held"));
    QCOMPARE(TimesAsked(), afterUnplugging);  // and the asking has stopped
  }

  void listensForPadsOnlyWhilePlaying() {
    const QString listening = "testPad.listeners.size > 0";
    QCOMPARE(InPage(listening), "true");
    harness_->Player().StopPlay();
    QTRY_COMPARE(InPage(listening), "false");
    harness_->Player().Play();
    QTRY_COMPARE(InPage(listening), "true");
  }

  void buttonsPressKeysUntilReleased_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("held");
    QTest::newRow("d-pad right") << Right << "+Right";
    QTest::newRow("d-pad left") << Left << "+Left";
    QTest::newRow("d-pad up") << Up << "+Up";
    QTest::newRow("d-pad down") << Down << "+Down";
    QTest::newRow("south") << South << "+Space";
    QTest::newRow("east") << East << "+Enter";
    QTest::newRow("west") << West << "+Control";
    QTest::newRow("north") << North << "+Shift";
    QTest::newRow("start") << Start << "+Enter";
  }
  void buttonsPressKeysUntilReleased() {
    QFETCH(int, button);
    QFETCH(QString, held);
    Plug(true);
    Press(button);
    QTRY_COMPARE(Held(), held);
    Press(button, false);
    QTRY_COMPARE(Held(), QString());
  }

  void leftStickPastHalfWayActsAsTheDpad() {
    Plug(true);
    Tilt(0.8, 0);
    QTRY_COMPARE(Held(), "+Right");
    Tilt(0.3, -0.2);
    QTRY_COMPARE(Held(), QString());
    Tilt(-0.6, 0.9);
    QTRY_COMPARE(Held(), "+Left+Down");
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::GamepadTest)
#include "GamepadTest.moc"
