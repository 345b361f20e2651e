// Device text drawn with the faces Windows drew it with, measured on the screen against
// the faces' own metrics (see DeviceFontSheet.h for the movies).
#include <QApplication>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRawFont>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <vector>

#include "tests/e2e/player/DeviceFontSheet.h"
#include "tests/e2e/player/PlayerHarness.h"

namespace zingbox::test {
namespace {

namespace sheet = device_fonts;
using sheet::Style;

const std::array<const char*, 3> SheetFiles = {"fonts_plain.swf", "fonts_bold.swf", "fonts_italic.swf"};
const double Gutter = 2;          // px between a field's edge and its text
const int FirstLineEnd = 31;      // px below a row's top: one line of text and no more
const double EdgeTolerance = 1.5;  // px
const int FirstLetterReach = 8;    // px right of the leftmost ink that the first letter's lines start within
const std::ptrdiff_t LeanLines = 4;

// What one row of a sheet shows: its dark pixels' horizontal extent, their amount, and
// how far right the top of the first letter (an H) stands of its foot.
struct Ink {
  int left = -1;
  int right = -1;  // one past the last dark column
  double amount = 0;
  double lean = 0;
  bool wrapped = false;  // dark pixels below the first line: text that broke onto a second
};

Ink InkOfRow(const QImage& image, int row) {
  const int top = static_cast<int>(row * sheet::RowHeight);
  Ink ink;
  std::vector<int> lineStarts;  // the first dark column of each pixel line that has one
  for (int y = top + FirstLineEnd; y < top + sheet::RowHeight; ++y) {
    for (int x = 0; x < image.width(); ++x) ink.wrapped = ink.wrapped || qGray(image.pixel(x, y)) < 192;
  }
  for (int y = top; y < top + FirstLineEnd; ++y) {
    int lineStart = -1;
    for (int x = 0; x < image.width(); ++x) {
      const double darkness = 1.0 - qGray(image.pixel(x, y)) / 255.0;
      ink.amount += darkness;
      if (darkness <= 0.25) continue;
      if (lineStart < 0) lineStart = x;
      ink.right = std::max(ink.right, x + 1);
    }
    if (lineStart >= 0) lineStarts.push_back(lineStart);
  }
  if (lineStarts.empty()) return ink;
  ink.left = *std::min_element(lineStarts.begin(), lineStarts.end());
  // The H's lines are those that start near the left; the lower letters start further right.
  std::erase_if(lineStarts, [&](int start) { return start > ink.left + FirstLetterReach; });
  const auto mean = [](auto from, auto to) { return std::accumulate(from, to, 0.0) / (to - from); };
  const std::ptrdiff_t lines = std::min<std::ptrdiff_t>(LeanLines, std::ssize(lineStarts));
  ink.lean = mean(lineStarts.begin(), lineStarts.begin() + lines) - mean(lineStarts.end() - lines, lineStarts.end());
  return ink;
}

// The face a machine without the Windows fonts is to draw `row` with, at the sheets' size.
QRawFont FaceOf(const sheet::Row& row, Style style) {
  QFont font(QString::fromLatin1(row.drawnAs));
  font.setPixelSize(static_cast<int>(sheet::TextSize));
  font.setBold(style == Style::Bold);
  font.setItalic(style == Style::Italic);
  font.setStyleStrategy(QFont::NoFontMerging);
  return QRawFont::fromFont(font);
}

// Where the sample's ink starts and ends in `face`, from the text's origin. Device text
// moves on by whole pixels from letter to letter, as Windows laid it out.
std::pair<double, double> ExpectedInk(const QRawFont& face) {
  const QList<quint32> glyphs = face.glyphIndexesForString(QString::fromLatin1(sheet::Sample));
  const QList<QPointF> advances = face.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);
  double pen = 0;
  for (qsizetype i = 0; i + 1 < advances.size(); ++i) pen += std::round(advances[i].x());
  return {face.pathForGlyph(glyphs.first()).boundingRect().left(),
          pen + face.pathForGlyph(glyphs.last()).boundingRect().right()};
}

}  // namespace

class DeviceFontTest : public QObject {
  Q_OBJECT

  std::unique_ptr<PlayerHarness> harness_;
  std::array<QImage, 3> sheets_;  // by Style

 private slots:
  void initTestCase() {
    harness_ = std::make_unique<PlayerHarness>();
    for (int style = 0; style < 3; ++style) {
      const QString file = QString::fromLatin1(SheetFiles[style]);
      QVERIFY(harness_->LoadAndWaitFor(file, "started", file.chopped(4)));
      QVERIFY(harness_->DrawnFrames(10));
      sheets_[style] = harness_->Player().grab().toImage();
    }
  }
  void cleanupTestCase() { harness_.reset(); }

  // Each name draws with its face's own widths, in one line within a field sized for
  // Windows: a face of other widths (the engine's own, DejaVu for Arial) fails here.
  void textTakesTheWidthsOfTheFaceWindowsUsed() {
    for (int style = 0; style < 3; ++style) {
      for (int row = 0; row < static_cast<int>(sheet::Rows.size()); ++row) {
        const sheet::Row& named = sheet::Rows[row];
        const QRawFont face = FaceOf(named, static_cast<Style>(style));
        QVERIFY2(face.familyName() == QLatin1String(named.drawnAs),
                 qPrintable(QStringLiteral("%1 is missing: install fonts-liberation2").arg(named.drawnAs)));
        const auto [expectedLeft, expectedRight] = ExpectedInk(face);
        const Ink ink = InkOfRow(sheets_[style], row);
        const QString where = QStringLiteral("%1, style %2: ink %3..%4, expected %5..%6")
                                  .arg(named.name).arg(style).arg(ink.left).arg(ink.right)
                                  .arg(sheet::Left + Gutter + expectedLeft).arg(sheet::Left + Gutter + expectedRight);
        QVERIFY2(!ink.wrapped, qPrintable(where + QStringLiteral(", broke onto a second line")));
        QVERIFY2(std::abs(ink.left - (sheet::Left + Gutter + expectedLeft)) <= EdgeTolerance, qPrintable(where));
        QVERIFY2(std::abs(ink.right - (sheet::Left + Gutter + expectedRight)) <= EdgeTolerance, qPrintable(where));
      }
    }
  }

  // The page reaches the chosen faces and no other file of the system's font folders.
  void onlyTheChosenFontFilesLoad() {
    const auto bytesOf = [&](const QString& url) {
      return harness_->EvaluateInPage(QStringLiteral(
                 "(() => { const request = new XMLHttpRequest(); request.open('GET', '%1', false);"
                 "try { request.send(); return request.response.length; } catch (e) { return 0; } })()")
                                          .arg(url))
          .toInt();
    };
    QVERIFY(bytesOf("device-fonts/Arial/bold") > 10000);
    QCOMPARE(bytesOf("device-fonts/Verdana/regular"), 0);
    const QString unchosen = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");  // fonts-dejavu-core
    QVERIFY(QFile::exists(unchosen));
    QCOMPARE(bytesOf(QUrl::fromLocalFile(unchosen).toString()), 0);
  }

  void boldIsHeavierAndItalicLeans() {
    for (int row = 0; row < static_cast<int>(sheet::Rows.size()); ++row) {
      const Ink plain = InkOfRow(sheets_[0], row);
      const Ink bold = InkOfRow(sheets_[1], row);
      const Ink italic = InkOfRow(sheets_[2], row);
      const QString where = QStringLiteral("%1: ink %2 plain, %3 bold; lean %4 plain, %5 italic")
                                .arg(sheet::Rows[row].name).arg(plain.amount).arg(bold.amount)
                                .arg(plain.lean).arg(italic.lean);
      QVERIFY2(bold.amount > 1.2 * plain.amount, qPrintable(where));
      QVERIFY2(italic.lean - plain.lean > 1.5, qPrintable(where));
    }
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::DeviceFontTest)
#include "DeviceFontTest.moc"
