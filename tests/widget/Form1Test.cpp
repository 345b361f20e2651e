// Form1 as designed: its controls, their places, drawing order, focus and captions.
#include <QtTest>

#include "Form1Fixture.h"

namespace zingbox::test {

namespace {

struct Design {
  const char* name;
  float left, top, width, height;
  bool visible;
  const char* caption = nullptr;
};

// The window as designed, written out here apart from the program's own description, so
// that a slip in either shows.
constexpr Design PicturesAndLabels[] = {
    {"Label4", 6120, 8400, 1215, 255, true, "Send a Friend"}, {"Image7", 6120, 7920, 645, 705, true},
    {"Label3", 2160, 8400, 615, 255, true, "Pause"}, {"Label2", 1440, 8400, 615, 255, true, "Restart"},
    {"Label1", 720, 8400, 495, 255, true, "Menu"}, {"Image6", 5280, 8040, 540, 510, false},
    {"Image5", 5280, 8040, 540, 510, true},      {"Image4", 4440, 8040, 540, 510, false},
    {"Image3", 4440, 8040, 540, 510, true},      {"Image2", 1440, 7920, 540, 510, false},
    {"Image1", 1440, 7920, 540, 510, true},      {"rightt", 9360, 7560, 1200, 1080, true},
    {"bott", 2280, 7800, 6255, 885, true},       {"leftt", 0, 7440, 960, 1245, true},
    {"top_left", 0, 0, 750, 5595, true},         {"top_right", 9600, 0, 915, 5775, true},
    {"topp", 1920, 0, 6675, 810, true},          {"top_rf", 8160, 0, 1485, 810, true},
    {"top_lf", 720, 0, 1695, 810, true},         {"bot_rf", 8400, 7800, 1170, 870, true},
    {"bot_lf", 840, 7800, 2055, 900, true},      {"rightf", 9720, 5760, 795, 1875, true},
    {"leftf", 0, 5520, 660, 2220, true},
};

QPoint Pixel(float leftTwips, float topTwips) { return {int(leftTwips / 15), int(topTwips / 15)}; }

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void windowOpensWithItsCaptionSizePlaceAndIcon() {
    Form1Fixture fixture;
    Form1& form = *fixture.form;
    QCOMPARE(form.windowTitle(), QString("Zingbox! Classic Zingbox Pack"));
    QCOMPARE(form.geometry(), QRect(309, 264, 754, 621));
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
    for (const Design& design : PicturesAndLabels) {
      auto* widget = fixture.form->findChild<QWidget*>(design.name);
      QVERIFY2(widget != nullptr, design.name);
      const Control& control = *dynamic_cast<const Control*>(widget);
      QCOMPARE(control.Left(), design.left);
      QCOMPARE(control.Top(), design.top);
      QCOMPARE(control.Width(), design.width);
      QCOMPARE(control.Height(), design.height);
      QVERIFY2(control.Visible() == design.visible, design.name);
      QCOMPARE(widget->geometry(), QRect(qRound(design.left / 15), qRound(design.top / 15),
                                         qRound(design.width / 15), qRound(design.height / 15)));
      if (design.caption != nullptr) QCOMPARE(fixture.Caption(design.name).text(), QString(design.caption));
    }
    QCOMPARE(fixture.form->findChildren<QtPicture*>().size() + fixture.form->findChildren<QtLabel*>().size(),
             qsizetype(std::size(PicturesAndLabels)));
    QCOMPARE(fixture.log.Ops(),
             (std::vector<std::string>{"flash.Left=720", "flash.Top=960", "flash.Width=9135", "flash.Height=6855"}));
    QCOMPARE(fixture.flash.Widget()->parentWidget(), fixture.form.get());
    QCOMPARE(fixture.flash.Widget()->objectName(), QString("flash"));
    QVERIFY(!fixture.Timer1().Enabled());
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
