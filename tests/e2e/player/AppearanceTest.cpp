// The background colour behind the movie and the player's place in the window.
#include <QApplication>
#include <QTest>

#include "platform/RuntimeError.h"
#include "platform/qt/Twips.h"
#include "tests/e2e/player/PlayerHarness.h"

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

  void colourTextIsSixHexDigits() {
    for (const char16_t* refused : {u"#99cc99", u"99cc9", u"99cc99 ", u"red", u"99cg99"}) {
      try {
        harness_->Player().SetBGColor(refused);
        QFAIL("a colour text that is not six hex digits was taken");
      } catch (const RuntimeError& error) {
        QCOMPARE(error.Number(), error_number::InvalidPropertyValue);
      }
    }
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

  void negativeSizeIsRefusedAndChangesNothing() {
    RufflePlayer& player = harness_->Player();
    player.SetWidth(4800);
    player.SetHeight(3600);
    try {
      player.SetWidth(-15);
      QFAIL("a negative width was taken");
    } catch (const RuntimeError& error) {
      QCOMPARE(error.Number(), error_number::InvalidPropertyValue);
    }
    QVERIFY_THROWS_EXCEPTION(RuntimeError, player.SetHeight(-0.5f));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, player.SetWidth(std::numeric_limits<float>::infinity()));
    QCOMPARE(player.size(), QSize(320, 240));
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::AppearanceTest)
#include "AppearanceTest.moc"
