// The player comes back by itself from a dead renderer, names what keeps it from
// starting, and gets past a movie whose script never ends.
#include <signal.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>

#include "tests/e2e/player/MovieFrames.h"
#include "tests/e2e/player/PlayerHarness.h"

namespace zingbox::test {
namespace {

const QString Frame = QStringLiteral("frame");
const QColor GameGreen(0x99, 0xcc, 0x99);
constexpr QPoint Middle(160, 120);
// The engine gives a script 15 s; then the page has to catch up.
constexpr int PastTheScriptLimitMs = 40000;

// What the movie counted since it last started from its first frame.
std::vector<int> SinceFirstFrame(std::vector<int> numbers) {
  numbers.erase(numbers.begin(), std::find(numbers.begin(), numbers.end(), 1));
  return numbers;
}

// The player's own message over its area, or nothing while none shows.
QString ShownMessage(RufflePlayer& player) {
  const auto* message = player.findChild<QLabel*>(QStringLiteral("playerMessage"));
  return message != nullptr && message->isVisible() ? message->text() : QString();
}

// Kills the player's renderer as the out-of-memory killer would; returns its process id.
qint64 KillRenderer(RufflePlayer& player) {
  const qint64 pid = player.page()->renderProcessPid();
  return pid > 0 && ::kill(static_cast<pid_t>(pid), SIGKILL) == 0 ? pid : 0;
}

bool WaitForFreshRenderer(RufflePlayer& player, qint64 dead) {
  return QTest::qWaitFor([&] { return !QList<qint64>{0, dead}.contains(player.page()->renderProcessPid()); }, 20000);
}

}  // namespace

class RecoveryTest : public QObject {
  Q_OBJECT

 private slots:
  void deadRendererComesBackUntilItDiesThreeTimesInAMinute() {
    PlayerHarness harness;
    RufflePlayer& player = harness.Player();
    player.SetBGColor(u"99cc99");
    player.SetMovie(PlayerHarness::MoviePath(QStringLiteral("counter.swf")));
    QVERIFY(harness.WaitForCommand(Frame, QStringLiteral("20")));

    // While it plays: the movie plays again from its first frame.
    harness.ForgetCommands();
    QVERIFY(KillRenderer(player) > 0);
    QVERIFY(harness.WaitForCommand(Frame, QStringLiteral("10")));
    QVERIFY(CountsOnFromOne(SinceFirstFrame(Reported(harness, Frame))));

    // While it is stopped: the movie comes back stopped at its first frame, on its colour.
    player.StopPlay();
    QVERIFY(WaitForDrawnFrames(*player.page(), 10));
    harness.ForgetCommands();
    const qint64 dead = KillRenderer(player);
    QVERIFY(WaitForFreshRenderer(player, dead));
    QTRY_COMPARE_WITH_TIMEOUT(
        harness.EvaluateInPage(QStringLiteral("document.querySelector('ruffle-player')?.ruffle().metadata?.numFrames")),
        QStringLiteral("900"), 20000);
    QVERIFY(harness.WaitForPixel(Middle, GameGreen));
    QVERIFY(WaitForDrawnFrames(*player.page(), 60));  // time for 30 frames, had it kept running
    QVERIFY(SinceFirstFrame(Reported(harness, Frame)).size() <= 1);
    QCOMPARE(ShownMessage(player), QString());
    player.Play();
    QVERIFY(harness.WaitForCommand(Frame, QStringLiteral("10")));
    QVERIFY(CountsOnFromOne(SinceFirstFrame(Reported(harness, Frame))));

    // The third death within the minute: it says so, and a movie tries again.
    QVERIFY(KillRenderer(player) > 0);
    QTRY_VERIFY_WITH_TIMEOUT(ShownMessage(player).contains(QStringLiteral("The Flash player stopped unexpectedly.")),
                             20000);
    QVERIFY2(ShownMessage(player).contains(QStringLiteral("folder\\counter.swf")), qPrintable(ShownMessage(player)));
    harness.ForgetCommands();
    player.SetMovie(PlayerHarness::MoviePath(QStringLiteral("plain.swf")));
    QVERIFY(harness.WaitForCommand(QStringLiteral("started"), QStringLiteral("plain")));
    QVERIFY(harness.WaitForPixel(Middle, QColor(0x20, 0x40, 0xff)));
    QCOMPARE(ShownMessage(player), QString());
  }

  void damagedPlayerScriptIsNamed() {
    QTemporaryDir program;
    const QString playerFolder = QDir(program.path()).filePath(QStringLiteral("player"));
    const QString installed = QDir(PlayerHarness::ProgramFolder()).filePath(QStringLiteral("player"));
    QCOMPARE(QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), installed, playerFolder}), 0);
    // The page's script still runs without it, but cannot play a movie.
    QFile script(QDir(playerFolder).filePath(QStringLiteral("options.js")));
    QVERIFY(script.resize(script.size() / 2));  // cut off, as by a full disk

    RufflePlayer player(nullptr, program.path());
    player.resize(400, 300);
    player.show();
    player.SetMovie(PlayerHarness::MoviePath(QStringLiteral("plain.swf")));
    QTRY_VERIFY_WITH_TIMEOUT(ShownMessage(player).contains(QStringLiteral("The Flash player cannot start.")), 25000);
    QVERIFY2(ShownMessage(player).contains(QDir::toNativeSeparators(script.fileName())),
             qPrintable(ShownMessage(player)));
  }

  void movieStuckInItsScriptLetsTheNextMovieIn() {
    PlayerHarness harness;
    RufflePlayer& player = harness.Player();
    player.SetMovie(PlayerHarness::MoviePath(QStringLiteral("endless.swf")));
    QVERIFY(harness.WaitForCommand(QStringLiteral("looping")));

    // Menu, once: it takes effect when the engine ends the script.
    player.SetMovie(PlayerHarness::MoviePath(QStringLiteral("counter.swf")));
    QVERIFY(harness.WaitForCommand(Frame, QStringLiteral("5"), PastTheScriptLimitMs));

    // Then the buttons work as ever.
    player.StopPlay();
    QVERIFY(WaitForDrawnFrames(*player.page(), 10));  // a report on its way lands
    const int stoppedAt = harness.LatestArgs(Frame).toInt();
    QVERIFY(WaitForDrawnFrames(*player.page(), 60));
    QCOMPARE(harness.LatestArgs(Frame).toInt(), stoppedAt);
    player.Play();
    QVERIFY(harness.WaitForCommand(Frame, QString::number(stoppedAt + 3)));
    QCOMPARE(ShownMessage(player), QString());
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::RecoveryTest)
#include "RecoveryTest.moc"
