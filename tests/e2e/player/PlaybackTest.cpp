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

 private slots:
  void initTestCase() { harness_ = std::make_unique<PlayerHarness>(); }

  void init() {
    // Whatever the last case left playing is replaced before the next one listens.
    QVERIFY(harness_->LoadAndWaitFor("plain.swf", "started", "plain"));
    harness_->ForgetCommands();
  }

  void cleanupTestCase() { harness_.reset(); }

  void stopPlayFreezesAndPlayContinuesFromThere() {
    QVERIFY(harness_->LoadAndWaitFor("counter.swf", Frame, "5"));
    ExpectStopPlayHoldsThenPlayGoesOn(*harness_);
    QVERIFY(CountsOnFromOne(Reported(*harness_, Frame)));
  }

  void playOnAPlayingMovieChangesNothing() {
    QVERIFY(harness_->LoadAndWaitFor("counter.swf", Frame, "3"));
    harness_->Player().Play();
    harness_->Player().Play();
    QVERIFY(harness_->WaitForCommand(Frame, QStringLiteral("20")));
    QVERIFY(CountsOnFromOne(Reported(*harness_, Frame)));
  }

  void twoAssignmentsInARowPlayTheSecondFromItsFirstFrame() {
    harness_->Load("counter.swf");
    harness_->Load("second_counter.swf");
    QVERIFY(harness_->WaitForCommand(Second, QStringLiteral("10")));
    QVERIFY(CountsOnFromOne(Reported(*harness_, Second)));
    // The movie replaced before control returned never played: not a frame of it came.
    QCOMPARE(harness_->CountOf(Frame), 0);
  }

  void movieAfterStopPlayPlaysAtOnce() {
    QVERIFY(harness_->LoadAndWaitFor("counter.swf", Frame, "3"));
    harness_->Player().StopPlay();
    harness_->Load("second_counter.swf");
    QVERIFY(harness_->WaitForCommand(Second, QStringLiteral("10")));
    QVERIFY(CountsOnFromOne(Reported(*harness_, Second)));
  }

  void stoppedMovieShowsNoPlayButtonOfItsOwn() {
    const QPoint middle(160, 120);
    QVERIFY(harness_->LoadAndWaitFor("plain.swf", "started", "plain"));
    QVERIFY(harness_->WaitForPixel(middle, QColor(0x20, 0x40, 0xff)));
    harness_->Player().StopPlay();
    QVERIFY(harness_->DrawnFrames(10));  // an overlay would show within a frame or two
    QVERIFY(SameColour(harness_->PixelAt(middle), QColor(0x20, 0x40, 0xff)));
    harness_->Player().Play();
  }

  void stopPlayRightAfterTheFirstAssignmentHoldsTheMovie() {
    // A player of its own: its first movie waits for the engine to compile, the case
    // where StopPlay arrives before there is anything to stop.
    PlayerHarness fresh;
    fresh.Load("counter.swf");
    fresh.Player().StopPlay();
    ExpectHeldAtItsFirstFrame(fresh);

    fresh.Player().Play();
    QVERIFY(fresh.WaitForCommand(Frame, QStringLiteral("10")));
    QVERIFY(CountsOnFromOne(Reported(fresh, Frame)));
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::PlaybackTest)
#include "PlaybackTest.moc"
