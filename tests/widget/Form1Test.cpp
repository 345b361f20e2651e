// Form1 as designed: its controls, their places, drawing order, focus and captions.
#include <QtTest>

#include "Form1Fixture.h"

namespace zingbox::test {

namespace {

QPoint Pixel(float leftTwips, float topTwips) { return {int(leftTwips / 15), int(topTwips / 15)}; }

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void windowOpensWithItsCaptionSizePlaceAndIcon() {
    Form1Fixture fixture;
    Form1& form = *fixture.form;
    QCOMPARE(form.windowTitle(), QString("Zingbox! Classic Zingbox Pack"));
    QCOMPARE(form.geometry(), QRect(Form1ClientLeft, Form1ClientTop, Form1ClientWidth, Form1ClientHeight));
    QVERIFY(form.isWindow());
    QVERIFY(form.windowFlags().testFlags(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    QCOMPARE(form.windowState(), Qt::WindowNoState);
    QCOMPARE(form.minimumSize(), QSize(0, 0));
    QVERIFY(form.windowIcon().availableSizes().contains(QSize(16, 16)));
    QVERIFY(form.windowIcon().availableSizes().contains(QSize(32, 32)));
  }

  // Every picture control finds its picture; one that does not stretch is exactly its size.
  void picturesAreBuiltInAndFitTheirControls() {
    Form1Fixture fixture;
    for (QtPicture* picture : fixture.form->findChildren<QtPicture*>()) {
      const QPixmap pixmap(":/window/" + picture->objectName() + ".gif");
      QVERIFY2(!pixmap.isNull(), qPrintable(picture->objectName()));
      const bool stretches = QSet<QString>{"topp", "bott", "top_lf", "top_rf", "bot_lf", "bot_rf", "leftf", "rightf"}
                                 .contains(picture->objectName());
      if (!stretches) QCOMPARE(QSizeF(pixmap.size()) * 15, QSizeF(picture->Width(), picture->Height()));
    }
    QCOMPARE(fixture.form->findChildren<QtPicture*>().size(), 19);
  }

  void everyControlStandsAtItsDesignValuesBeforeAnyPass() {
    Form1Fixture fixture;
    for (const ControlDescription& design : Form1Description) {
      if (design.kind != ControlKind::Picture && design.kind != ControlKind::Label) continue;
      const QString name = QString::fromLatin1(design.name);
      auto* widget = fixture.form->findChild<QWidget*>(name);
      QVERIFY2(widget != nullptr, qPrintable(name));
      const Control& control = *dynamic_cast<const Control*>(widget);
      QCOMPARE(control.Left(), design.left);
      QCOMPARE(control.Top(), design.top);
      QCOMPARE(control.Width(), design.width);
      QCOMPARE(control.Height(), design.height);
      // Only the three pressed pictures start hidden.
      const bool pressedPicture = name == "Image2" || name == "Image4" || name == "Image6";
      QVERIFY2(control.Visible() == !pressedPicture, qPrintable(name));
      QCOMPARE(widget->geometry(), QRect(qRound(design.left / 15), qRound(design.top / 15),
                                         qRound(design.width / 15), qRound(design.height / 15)));
    }
    const ControlDescription& flash = DescriptionOf("flash");
    QCOMPARE(fixture.log.Ops(), (std::vector<std::string>{"flash.Left=" + TwipsText(flash.left),
                                                          "flash.Top=" + TwipsText(flash.top),
                                                          "flash.Width=" + TwipsText(flash.width),
                                                          "flash.Height=" + TwipsText(flash.height)}));
    QCOMPARE(fixture.flash.Widget()->parentWidget(), fixture.form.get());
    QCOMPARE(fixture.flash.Widget()->objectName(), QString("flash"));
    QVERIFY(!fixture.Timer1().Enabled());
    QCOMPARE(fixture.Caption("Label1").text(), QString("Menu"));
    QCOMPARE(fixture.Caption("Label2").text(), QString("Restart"));
    QCOMPARE(fixture.Caption("Label3").text(), QString("Pause"));
    QCOMPARE(fixture.Caption("Label4").text(), QString("Send a Friend"));
  }

  void earlierControlsAreDrawnAboveLaterOnes() {
    Form1Fixture fixture;
    Form1& form = *fixture.form;
    fixture.Picture("Image2").SetVisible(true);
    QCOMPARE(form.childAt(Pixel(1500, 8000))->objectName(), QString("Image2"));  // pressed over normal
    QCOMPARE(form.childAt(Pixel(6200, 8500))->objectName(), QString("Label4"));  // caption over the gift
    QCOMPARE(form.childAt(Pixel(1500, 8415))->objectName(), QString("Label2"));  // caption over Image1
    QCOMPARE(form.childAt(Pixel(9400, 8000))->objectName(), QString("rightt"));  // corner over filler
    QCOMPARE(form.childAt(Pixel(2500, 8000))->objectName(), QString("bott"));    // centre over filler
    QCOMPARE(form.childAt(Pixel(735, 400))->objectName(), QString("top_left"));  // corner over filler
    QCOMPARE(form.childAt(Pixel(200, 7600))->objectName(), QString("leftt"));    // corner over side edge
  }

  void thePlayerLiesAboveEveryPictureAndLabel() {
    Form1Fixture fixture;
    Form1& form = *fixture.form;
    QCOMPARE(form.childAt(Pixel(735, 1500)), fixture.flash.Widget());  // over top_left
    QCOMPARE(form.childAt(Pixel(4500, 7805)), fixture.flash.Widget());  // over bott
    QCOMPARE(form.childAt(Pixel(9700, 2000)), fixture.flash.Widget());  // over top_right
  }

  void onlyThePlayerTakesFocusAndHoldsItWhenTheWindowOpens() {
    Form1Fixture fixture;
    for (QWidget* child : fixture.form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child != fixture.flash.Widget()) QCOMPARE(child->focusPolicy(), Qt::NoFocus);
    }
    QVERIFY(fixture.ShowAndActivate());
    QCOMPARE(QApplication::focusWidget(), fixture.flash.Widget());
  }

  void captionsKeepTheirBoxesAndTheLongestFits() {
    Form1Fixture fixture;
    const QtLabel& label4 = fixture.Caption("Label4");
    const QFontMetrics metrics(label4.font());
    QCOMPARE(label4.size(), QSize(81, 17));
    QVERIFY(metrics.horizontalAdvance("Send a Friend") <= 81);
    QVERIFY(metrics.height() <= 17);
    fixture.form->show();  // laid out, the window's edge cuts the box short
    QVERIFY(metrics.horizontalAdvance("Send a Friend") <= fixture.form->width() - label4.x());
    QtLabel& label3 = fixture.Caption("Label3");
    label3.SetCaption(u"Resume");
    QCOMPARE(label3.text(), QString("Resume"));
    QCOMPARE(label3.size(), QSize(41, 17));
    QCOMPARE(fixture.Caption("Label2").size(), QSize(41, 17));  // 615 by 255 twips
    QCOMPARE(fixture.Caption("Label1").size(), QSize(33, 17));  // 495 by 255 twips
    QVERIFY(label3.alignment().testFlag(Qt::AlignHCenter));
    for (const char* name : {"Label1", "Label2", "Label4"})
      QVERIFY(fixture.Caption(name).alignment().testFlag(Qt::AlignLeft));
  }

  // Only the text is drawn, in the scheme's title-bar text (Label1) or selected text colour,
  // the same whether or not the window has the focus, and anew when the scheme changes.
  void captionsAreTransparentAndFollowTheColourScheme() {
    const QPalette original = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(original); });
    const auto scheme = [&](QColor titleBarText, QColor selectedText) {
      QPalette colours = original;
      colours.setColor(QPalette::BrightText, titleBarText);
      colours.setColor(QPalette::HighlightedText, selectedText);
      // A theme that greys the text of a window without the focus.
      colours.setColor(QPalette::Inactive, QPalette::BrightText, Qt::green);
      colours.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::green);
      colours.setColor(QPalette::WindowText, Qt::yellow);
      colours.setColor(QPalette::Window, Qt::green);
      return colours;
    };
    QApplication::setPalette(scheme(Qt::red, Qt::blue));
    Form1Fixture fixture;
    // Bare window ground under the captions, so that any fill of their own would show.
    for (QtPicture* picture : fixture.form->findChildren<QtPicture*>()) picture->SetVisible(false);
    QVERIFY(fixture.ShowAndActivate());
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QTRY_VERIFY(!fixture.form->isActiveWindow());
    const auto colours = [&](const char* name) {
      QSet<QRgb> seen;
      // Laid out, Label4 reaches past the window's edge, where there is nothing to see.
      const QImage shot = fixture.form->grab(fixture.Caption(name).geometry() & fixture.form->rect()).toImage();
      for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) seen.insert(shot.pixel(x, y) & 0xffffff);
      return seen;
    };
    const auto onlyShadesOf = [](const QSet<QRgb>& seen, QRgb ink) {
      for (QRgb pixel : seen)
        if ((pixel & ~ink & 0xffffff) != 0) return false;  // any channel the ink lacks
      // Small text is antialiased: some pixel must still be mostly ink.
      return std::any_of(seen.begin(), seen.end(), [ink](QRgb pixel) { return qGray(pixel) > qGray(ink) / 2; });
    };
    QVERIFY(onlyShadesOf(colours("Label1"), 0xff0000));
    QVERIFY(onlyShadesOf(colours("Label4"), 0x0000ff));
    QApplication::setPalette(scheme(Qt::blue, Qt::red));
    QTRY_VERIFY(onlyShadesOf(colours("Label1"), 0x0000ff));
    QTRY_VERIFY(onlyShadesOf(colours("Label4"), 0xff0000));
  }
};

}  // namespace zingbox::test

QTEST_MAIN(zingbox::test::Form1Test)
#include "Form1Test.moc"
