// Movie, StopPlay and Play as a player of the game sees them, told by a movie that
// counts its frames aloud.
#include <QApplication>
#include <QTest>

#include "tests/e2e/player/MovieFrames.h"
#include "tests/e2e/player/PlayerHarness.h"

namespace zingbox::test {
namespace {

const QString Frame = QStringLiteral("frame");
const QString Second = QStringLiteral("second");

}  // namespace

class PlaybackTest : public QObject {
  Q_OBJECT

  std::unique_ptr<PlayerHarness> harness_;

  void Load(const QString& file) { harness_->Player().SetMovie(PlayerHarness::MoviePath(file)); }

 private slots:
  void initTestCase() { harness_ = std::make_unique<PlayerHarness>(); }

  void init() {
    // Whatever the last case left playing is replaced before the next one listens.
    Load(QStringLiteral("plain.swf"));
    QVERIFY(harness_->WaitForCommand(QStringLiteral("started"), QStringLiteral("plain")));
    harness_->ForgetCommands();
  }

  void cleanupTestCase() { harness_.reset(); }

  void stopPlayFreezesAndPlayContinuesFromThere() {
    Load(QStringLiteral("counter.swf"));
    QVERIFY(harness_->WaitForCommand(Frame, QStringLiteral("5")));

    harness_->Player().StopPlay();
    QVERIFY(WaitForDrawnFrames(*harness_->Player().page(), 10));  // a report on its way lands
    const int stoppedAt = harness_->LatestArgs(Frame).toInt();
    QVERIFY(WaitForDrawnFrames(*harness_->Player().page(), 60));  // a running movie would have spoken
    QCOMPARE(harness_->LatestArgs(Frame).toInt(), stoppedAt);

    harness_->Player().Play();
    QVERIFY(harness_->WaitForCommand(Frame, QString::number(stoppedAt + 3)));
    QVERIFY(CountsOnFromOne(Reported(*harness_, Frame)));
  }

  void playOnAPlayingMovieChangesNothing() {
    Load(QStringLiteral("counter.swf"));
    QVERIFY(harness_->WaitForCommand(Frame, QStringLiteral("3")));
    harness_->Player().Play();
    harness_->Player().Play();
    QVERIFY(harness_->WaitForCommand(Frame, QStringLiteral("20")));
    QVERIFY(CountsOnFromOne(Reported(*harness_, Frame)));
  }

  void twoAssignmentsInARowPlayTheSecondFromItsFirstFrame() {
    Load(QStringLiteral("counter.swf"));
    Load(QStringLiteral("second_counter.swf"));
    QVERIFY(harness_->WaitForCommand(Second, QStringLiteral("10")));
    QVERIFY(CountsOnFromOne(Reported(*harness_, Second)));
    // The movie replaced before control returned never played: not a frame of it came.
    QCOMPARE(harness_->CountOf(Frame), 0);
  }

  void movieAfterStopPlayPlaysAtOnce() {
    Load(QStringLiteral("counter.swf"));
    QVERIFY(harness_->WaitForCommand(Frame, QStringLiteral("3")));
    harness_->Player().StopPlay();
    Load(QStringLiteral("second_counter.swf"));
    QVERIFY(harness_->WaitForCommand(Second, QStringLiteral("10")));
    QVERIFY(CountsOnFromOne(Reported(*harness_, Second)));
  }

  void stoppedMovieShowsNoPlayButtonOfItsOwn() {
    Load(QStringLiteral("plain.swf"));
    const QPoint middle(160, 120);
    QVERIFY(harness_->WaitForCommand(QStringLiteral("started"), QStringLiteral("plain")));
    QVERIFY(harness_->WaitForPixel(middle, QColor(0x20, 0x40, 0xff)));
    harness_->Player().StopPlay();
    QVERIFY(WaitForDrawnFrames(*harness_->Player().page(), 10));  // an overlay would show within a frame or two
    QVERIFY(SameColour(harness_->PixelAt(middle), QColor(0x20, 0x40, 0xff)));
    harness_->Player().Play();
  }

  void stopPlayRightAfterTheFirstAssignmentHoldsTheMovie() {
    // A player of its own: its first movie waits for the engine to compile, the case
    // where StopPlay arrives before there is anything to stop.
    PlayerHarness fresh;
    fresh.Player().SetMovie(PlayerHarness::MoviePath(QStringLiteral("counter.swf")));
    fresh.Player().StopPlay();
    QTRY_COMPARE_WITH_TIMEOUT(
        fresh.EvaluateInPage(QStringLiteral("document.querySelector('ruffle-player')?.ruffle().metadata?.numFrames")),
        QStringLiteral("900"), 20000);
    QVERIFY(WaitForDrawnFrames(*fresh.Player().page(), 60));  // time for 30 frames, had it kept running
    QVERIFY(Reported(fresh, Frame).size() <= 1);

    fresh.Player().Play();
    QVERIFY(fresh.WaitForCommand(Frame, QStringLiteral("10")));
    QVERIFY(CountsOnFromOne(Reported(fresh, Frame)));
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::PlaybackTest)
#include "PlaybackTest.moc"
