// The Qt controls on their own: twips storage, refusals, drawing, clicks, timer, metrics.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "platform/RuntimeError.h"
#include "platform/qt/QtLabel.h"
#include "platform/qt/QtPicture.h"
#include "platform/qt/QtTimer.h"
#include "platform/qt/QtWindowMetrics.h"

namespace zingbox::test {

class QtControlsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  QString picturePath_;

  // A black 100x100 ground that the pictures lie on.
  static std::unique_ptr<QWidget> Ground() {
    auto ground = std::make_unique<QWidget>();
    ground->resize(100, 100);
    ground->setAutoFillBackground(true);
    QPalette palette = ground->palette();
    palette.setColor(QPalette::Window, Qt::black);
    ground->setPalette(palette);
    return ground;
  }

 private slots:
  // 2x2 pixels: red, transparent / green, blue.
  void initTestCase() {
    QImage image(2, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgba(0, 0, 0, 0));
    image.setPixel(0, 1, qRgb(0, 255, 0));
    image.setPixel(1, 1, qRgb(0, 0, 255));
    picturePath_ = dir_.filePath("picture.png");
    QVERIFY(image.save(picturePath_));
  }

  void storesAssignedTwipsExactlyAndPlacesWholePixels() {
    QWidget parent;
    QtPicture picture(&parent, "p", picturePath_, {720, 960, 540, 510}, true, QtPicture::Fit::Unscaled);
    picture.SetLeft(2752.5f);
    picture.SetTop(-7.0f);
    picture.SetWidth(1792.5f);
    picture.SetHeight(0.0f);
    QCOMPARE(picture.Left(), 2752.5f);
    QCOMPARE(picture.Top(), -7.0f);
    QCOMPARE(picture.Width(), 1792.5f);
    QCOMPARE(picture.Height(), 0.0f);
    QCOMPARE(picture.geometry(), QRect(184, 0, 120, 0));
  }

  void refusesNegativeSizesAndKeepsThePreviousOne() {
    QWidget parent;
    QtLabel label(&parent, "l", {0, 0, 615, 255}, "Pause", Qt::AlignLeft, QPalette::HighlightedText, QFont());
    for (auto assign : {&Control::SetWidth, &Control::SetHeight}) {
      try {
        (label.*assign)(-0.5f);
        QFAIL("a negative size was taken");
      } catch (const RuntimeError& error) {
        QCOMPARE(error.Number(), 380);
        QCOMPARE(std::string(error.what()), std::string("Invalid property value"));
      }
    }
    QCOMPARE(label.Width(), 615.0f);
    QCOMPARE(label.Height(), 255.0f);
    QCOMPARE(label.size(), QSize(41, 17));
  }

  void visibleIsThePropertyEvenBeforeTheWindowShows() {
    QWidget parent;
    QtPicture shown(&parent, "a", picturePath_, {0, 0, 30, 30}, true, QtPicture::Fit::Unscaled);
    QtPicture hidden(&parent, "b", picturePath_, {0, 0, 30, 30}, false, QtPicture::Fit::Unscaled);
    QVERIFY(shown.Visible());
    QVERIFY(!hidden.Visible());
    parent.show();
    QVERIFY(shown.isVisible());
    QVERIFY(!hidden.isVisible());
    shown.SetVisible(false);
    hidden.SetVisible(true);
    QVERIFY(!shown.isVisible() && !shown.Visible());
    QVERIFY(hidden.isVisible() && hidden.Visible());
  }

  void drawsUnscaledFromTheTopLeftLettingTransparentPixelsThrough() {
    auto ground = Ground();
    QtPicture picture(ground.get(), "p", picturePath_, {150, 150, 150, 150}, true, QtPicture::Fit::Unscaled);
    const QImage shot = ground->grab().toImage();
    QCOMPARE(shot.pixelColor(10, 10), QColor(255, 0, 0));
    QCOMPARE(shot.pixelColor(11, 10), QColor(Qt::black));  // transparent pixel
    QCOMPARE(shot.pixelColor(10, 11), QColor(0, 255, 0));
    QCOMPARE(shot.pixelColor(11, 11), QColor(0, 0, 255));
    QCOMPARE(shot.pixelColor(12, 12), QColor(Qt::black));  // beyond the picture, inside the control
  }

  void stretchesEachDirectionOnItsOwnAfterEveryResize() {
    auto ground = Ground();
    QtPicture picture(ground.get(), "p", picturePath_, {0, 0, 600, 300}, true, QtPicture::Fit::Stretched);
    QImage shot = ground->grab().toImage();
    QCOMPARE(shot.pixelColor(5, 2), QColor(255, 0, 0));
    QCOMPARE(shot.pixelColor(35, 17), QColor(0, 0, 255));
    QCOMPARE(shot.pixelColor(45, 5), QColor(Qt::black));  // outside: 40x20 pixels
    picture.SetHeight(1200);
    shot = ground->grab().toImage();
    QCOMPARE(shot.pixelColor(5, 30), QColor(255, 0, 0));
    QCOMPARE(shot.pixelColor(5, 50), QColor(0, 255, 0));
  }

  void aMissingPictureDrawsNothingAndKeepsTheDesignSize() {
    auto ground = Ground();
    QtPicture picture(ground.get(), "p", dir_.filePath("absent.gif"), {0, 0, 645, 705}, true,
                      QtPicture::Fit::Unscaled);
    QCOMPARE(picture.size(), QSize(43, 47));
    QCOMPARE(ground->grab().toImage().pixelColor(5, 5), QColor(Qt::black));
  }

  void aClickIsAPressAndAReleaseInsideTheSamePicture() {
    QWidget parent;
    QtPicture picture(&parent, "p", picturePath_, {0, 0, 540, 510}, true, QtPicture::Fit::Unscaled);
    QSignalSpy clicks(&picture, &QtPicture::clicked);
    QTest::mouseClick(&picture, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.count(), 1);
    QTest::mousePress(&picture, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&picture, Qt::LeftButton, {}, QPoint(80, 10));  // let go outside
    QTest::mouseRelease(&picture, Qt::LeftButton, {}, QPoint(10, 10));  // a release with no press
    QTest::mouseClick(&picture, Qt::RightButton, {}, QPoint(10, 10));
    QCOMPARE(clicks.count(), 1);
  }

  void timerTicksEveryIntervalWhileEnabled() {
    QtTimer timer(nullptr, "Timer1", 20);
    QSignalSpy ticks(&timer, &QtTimer::tick);
    QVERIFY(!timer.Enabled());
    timer.SetEnabled(true);
    QVERIFY(ticks.wait(1000));
    timer.SetEnabled(false);
    const qsizetype seen = ticks.count();
    // Five ticks of a second timer of the same interval, beside which Timer1 would have ticked.
    QTimer beside;
    QSignalSpy besideTicks(&beside, &QTimer::timeout);
    beside.start(20);
    QTRY_VERIFY(besideTicks.count() >= 5);
    QCOMPARE(ticks.count(), seen);
  }

  void windowMetricsAddAClassicFrameAndReportTheState() {
    QWidget window;
    window.resize(754, 621);
    QtWindowMetrics metrics(window);
    QCOMPARE(metrics.Width(), 11430.0f);
    QCOMPARE(metrics.Height(), 9720.0f);
    QCOMPARE(metrics.State(), WindowState::Normal);
    window.setWindowState(Qt::WindowMaximized);
    QCOMPARE(metrics.State(), WindowState::Maximized);
    window.setWindowState(Qt::WindowMaximized | Qt::WindowMinimized);
    QCOMPARE(metrics.State(), WindowState::Minimized);
  }
};

}  // namespace zingbox::test

QTEST_MAIN(zingbox::test::QtControlsTest)
#include "QtControlsTest.moc"
