// The background colour behind the movie and the player's place in the window.
#include <QApplication>
#include <QTest>
#include <functional>
#include <initializer_list>

#include "platform/RuntimeError.h"
#include "platform/qt/Twips.h"
#include "tests/e2e/player/PlayerHarness.h"
#include "tests/support/RecordingPlayer.h"

namespace zingbox::test {
namespace {

const QColor OwnStage(0x20, 0x30, 0x40);
const QColor Square(0x20, 0x40, 0xff);
const QPoint Corner(4, 4);
const QPoint Middle(160, 120);

}  // namespace

class AppearanceTest : public QObject {
  Q_OBJECT

  std::unique_ptr<PlayerHarness> harness_;

  void LoadPlain() { QVERIFY(harness_->LoadAndWaitFor("plain.swf", "started", "plain")); }

 private slots:
  void initTestCase() { harness_ = std::make_unique<PlayerHarness>(); }
  void cleanupTestCase() { harness_.reset(); }

  void emptyColourShowsTheMovieOwn() {
    harness_->Player().SetBGColor(u"");
    LoadPlain();
    QVERIFY(harness_->WaitForPixel(Corner, OwnStage));
    QVERIFY(harness_->WaitForPixel(Middle, Square));
  }

  void colourAppliesAtOnceAndStaysThroughLoads() {
    harness_->Player().SetBGColor(u"");
    LoadPlain();
    QVERIFY(harness_->WaitForPixel(Corner, OwnStage));

    harness_->Player().SetBGColor(u"DDEEFF");
    QVERIFY(harness_->WaitForPixel(Corner, QColor(0xdd, 0xee, 0xff)));
    QVERIFY(SameColour(harness_->PixelAt(Middle), Square));

    LoadPlain();
    QVERIFY(harness_->WaitForPixel(Middle, Square));
    QVERIFY(SameColour(harness_->PixelAt(Corner), QColor(0xdd, 0xee, 0xff)));

    harness_->Player().SetBGColor(u"99cc99");
    QVERIFY(harness_->WaitForPixel(Corner, QColor(0x99, 0xcc, 0x99)));
    harness_->Player().SetBGColor(u"");
    QVERIFY(harness_->WaitForPixel(Corner, OwnStage));
  }

  void colourFillsTheWholeAreaAroundAScaledStage() {
    // Neither the page's black nor the movie's own colour: only the chosen colour passes.
    const QColor chosen(0xe0, 0xa0, 0x40);
    harness_->Player().SetBGColor(u"E0A040");
    LoadPlain();
    harness_->Player().SetWidth(PixelsToTwips(480));  // wider than 4:3: bands at the sides
    QVERIFY(harness_->WaitForPixel({240, 120}, Square));
    QVERIFY(SameColour(harness_->PixelAt({10, 120}), chosen));
    QVERIFY(SameColour(harness_->PixelAt({470, 120}), chosen));
    harness_->Player().SetWidth(PixelsToTwips(320));
  }

  void twipsPlaceTheWidgetInPixels() {
    RufflePlayer& player = harness_->Player();
    player.SetLeft(605);
    player.SetTop(780);
    player.SetWidth(9135);
    player.SetHeight(6855);
    QCOMPARE(player.geometry(), QRect(40, 52, 609, 457));
    player.SetLeft(-22.4f);  // a position may lie outside the window; rounds to nearest
    QCOMPARE(player.x(), -1);
  }

  // The tests' recording player stands in for this one: both refuse the same values with
  // error 380 and keep what they had.
  void refusesWhatTheRecordingPlayerRefuses() {
    static_assert(LargestWidgetPixels == QWIDGETSIZE_MAX);
    RufflePlayer& player = harness_->Player();
    player.SetWidth(4800);
    player.SetHeight(3600);
    OperationLog log;
    RecordingPlayer recorder(log);
    const auto refusedByBoth = [&](const std::function<void(MoviePlayer&)>& set) {
      for (MoviePlayer* each : std::initializer_list<MoviePlayer*>{&player, &recorder}) {
        try {
          set(*each);
          return false;
        } catch (const RuntimeError& error) {
          if (error.Number() != error_number::InvalidPropertyValue) return false;
        }
      }
      return true;
    };
    for (const std::u16string_view colour : RefusedColours)
      QVERIFY2(refusedByBoth([&](MoviePlayer& p) { p.SetBGColor(std::u16string(colour)); }),
               qPrintable(QString::fromStdU16String(std::u16string(colour))));
    for (const float twips : RefusedPlaces) {
      QVERIFY2(refusedByBoth([&](MoviePlayer& p) { p.SetLeft(twips); }), qPrintable(QString::number(twips)));
      QVERIFY2(refusedByBoth([&](MoviePlayer& p) { p.SetTop(twips); }), qPrintable(QString::number(twips)));
    }
    for (const float twips : RefusedSizes) {
      QVERIFY2(refusedByBoth([&](MoviePlayer& p) { p.SetWidth(twips); }), qPrintable(QString::number(twips)));
      QVERIFY2(refusedByBoth([&](MoviePlayer& p) { p.SetHeight(twips); }), qPrintable(QString::number(twips)));
    }
    QCOMPARE(player.size(), QSize(320, 240));
    QVERIFY(log.Ops().empty());
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::AppearanceTest)
#include "AppearanceTest.moc"
