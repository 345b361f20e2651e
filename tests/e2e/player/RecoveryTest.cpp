// The player comes back by itself from a dead renderer or a panicking engine, and gets
// past a movie whose script never ends.
#include <QApplication>
#include <QTest>
#include <QWebEnginePage>

#include "tests/e2e/player/MovieFrames.h"
#include "tests/e2e/player/PlayerHarness.h"
#include "tests/support/ShownMessage.h"

namespace zingbox::test {
namespace {

const QString Frame = QStringLiteral("frame");
// The engine gives a script 15 s; then the page has to catch up.
constexpr int PastTheScriptLimitMs = 40000;

// What the movie counted since it last started from its first frame.
std::vector<int> SinceFirstFrame(std::vector<int> numbers) {
  numbers.erase(numbers.begin(), std::find(numbers.begin(), numbers.end(), 1));
  return numbers;
}

}  // namespace

class RecoveryTest : public QObject {
  Q_OBJECT

 private slots:
  void deadRendererComesBackWithTheMovieAsItWas() {
    PlayerHarness harness;
    RufflePlayer& player = harness.Player();
    player.SetBGColor(u"99cc99");
    QVERIFY(harness.LoadAndWaitFor("counter.swf", Frame, "20"));

    // While it plays: the movie plays again from its first frame.
    harness.ForgetCommands();
    QVERIFY(harness.KillRenderer() > 0);
    QVERIFY(harness.WaitForCommand(Frame, "10"));
    QVERIFY(CountsOnFromOne(SinceFirstFrame(Reported(harness, Frame))));

    // While it is stopped: the movie comes back stopped at its first frame, on its colour.
    player.StopPlay();
    QVERIFY(harness.DrawnFrames(10));
    harness.ForgetCommands();
    const qint64 dead = harness.KillRenderer();
    QVERIFY(QTest::qWaitFor([&] { return !QList<qint64>{0, dead}.contains(player.page()->renderProcessPid()); },
                            20000));
    ExpectHeldAtItsFirstFrame(harness);
    QVERIFY(harness.WaitForPixel({160, 120}, QColor(0x99, 0xcc, 0x99)));
    QCOMPARE(MessageTextShownBy(player), QString());
    player.Play();
    QVERIFY(harness.WaitForCommand(Frame, "10"));
    QVERIFY(CountsOnFromOne(SinceFirstFrame(Reported(harness, Frame))));
  }

  void panickingEngineIsADeathOfThePlayer() {
    PlayerHarness harness;
    RufflePlayer& player = harness.Player();
    // A panic leaves the page's engine unusable: each brings a fresh page that plays the
    // movie again from its start, until the third within the minute. Then it says so, and
    // the next movie tries again.
    QVERIFY(harness.LoadAndWaitFor("doubling.swf", "doubling", "start"));
    QTRY_VERIFY_WITH_TIMEOUT(MessageTextShownBy(player).contains("The Flash player stopped unexpectedly."), 55000);
    QCOMPARE(harness.CountOf("doubling"), 3);
    QVERIFY(harness.LoadAndWaitFor("plain.swf", "started", "plain"));
    QVERIFY(harness.WaitForPixel({160, 120}, QColor(0x20, 0x40, 0xff)));
    QCOMPARE(MessageTextShownBy(player), QString());
  }

  void movieStuckInItsScriptLetsTheNextMovieIn() {
    PlayerHarness harness;
    QVERIFY(harness.LoadAndWaitFor("endless.swf", "looping"));
    // Menu, once: it takes effect when the engine ends the script.
    harness.Load("counter.swf");
    QVERIFY(harness.WaitForCommand(Frame, "5", PastTheScriptLimitMs));
    // Then the buttons work as ever.
    ExpectStopPlayHoldsThenPlayGoesOn(harness);
    QCOMPARE(MessageTextShownBy(harness.Player()), QString());
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::RecoveryTest)
#include "RecoveryTest.moc"
