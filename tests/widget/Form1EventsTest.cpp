// Form1's eight events reach their handlers, nothing else reacts, and an error that
// escapes a handler is shown while the window stays usable.
#include <QAbstractButton>
#include <QMessageBox>
#include <QtTest>

#include "Form1Fixture.h"
#include "window/ErrorBoundary.h"

namespace zingbox::test {

namespace {

bool Contains(const std::vector<std::string>& operations, const std::string& operation) {
  return std::find(operations.begin(), operations.end(), operation) != operations.end();
}

QMessageBox* ErrorBox(const Form1& form) { return form.findChild<QMessageBox*>(ErrorBoundary::MessageBoxName); }

}  // namespace

class Form1EventsTest : public QObject {
  Q_OBJECT

 private slots:
  void loadRunsOnceRightBeforeTheWindowFirstShows() {
    Form1Fixture fixture;
    QVERIFY(fixture.log.Ops().size() == 4);  // only the design place so far
    fixture.form->show();
    const std::string menu = (QCoreApplication::applicationDirPath() + "\\zingbox.swf").toStdString();
    const std::vector<std::string> load{"flash.Top=780", "flash.Left=605", "flash.Movie=" + menu, "flash.Play"};
    const std::vector<std::string>& ops = fixture.log.Ops();
    QVERIFY(std::search(ops.begin(), ops.end(), load.begin(), load.end()) != ops.end());
    QVERIFY(!fixture.flash.windowShownAtFirstMovie);
    fixture.form->hide();
    fixture.log.Clear();
    fixture.form->show();
    QVERIFY(!Contains(fixture.log.Ops(), "flash.Movie=" + menu));
  }

  // W and H are the client size plus the classic frame: 754x621 pixels -> 11430x9720 twips.
  void resizeSizesThePlayerOnShowAndEverySizeChange() {
    Form1Fixture fixture;
    fixture.form->show();
    QCOMPARE(fixture.flash.Width(), 11430.0f - 1370);
    QCOMPARE(fixture.flash.Height(), 9720.0f - 2060);
    QCOMPARE(fixture.Picture("Image7").Left(), 11430.0f - 990);
    fixture.form->resize(800, 500);
    QTRY_COMPARE(fixture.flash.Width(), 12120.0f - 1370);
    QCOMPARE(fixture.flash.Height(), 7905.0f - 2060);
    QCOMPARE(fixture.Caption("Label4").Top(), 7905.0f - 720);
    fixture.form->resize(700, 100);  // too low for the player, which refuses; the pass ends there
    QTRY_COMPARE(fixture.flash.Width(), 10620.0f - 1370);
    QCOMPARE(fixture.flash.Height(), 7905.0f - 2060);
    QCOMPARE(fixture.Caption("Label4").Top(), 7905.0f - 720);
  }

  void aMinimizedWindowKeepsItsLayoutUntilRestored() {
    Form1Fixture fixture;
    fixture.form->show();
    fixture.form->setWindowState(Qt::WindowMinimized);
    fixture.form->resize(800, 500);
    QCOMPARE(fixture.flash.Width(), 11430.0f - 1370);
    fixture.form->setWindowState(Qt::WindowNoState);
    QTRY_COMPARE(fixture.flash.Width(), 12120.0f - 1370);
  }

  void aGameChosenInTheMenuLoads() {
    Form1Fixture fixture;
    fixture.form->show();
    fixture.flash.RaiseFSCommand(u"game", u"wuzz");
    QCOMPARE(fixture.form->State().CurrentGame, int16_t(5));
    QVERIFY(Contains(fixture.log.Ops(), "flash.BGColor=99cc99"));
  }

  void aClickOnMenuPressesTheButtonUntilTheTick() {
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    fixture.flash.RaiseFSCommand(u"game", u"tibb");
    fixture.ClickOn(fixture.Picture("Image1"));
    QVERIFY(!fixture.Picture("Image1").Visible());
    QVERIFY(fixture.Picture("Image2").Visible());
    QVERIFY(fixture.Timer1().Enabled());
    QCOMPARE(fixture.form->State().CurrentGame, int16_t(0));
    QTRY_VERIFY(fixture.Picture("Image1").Visible());
    QVERIFY(!fixture.Picture("Image2").Visible());
    QVERIFY(!fixture.Timer1().Enabled());
  }

  void pauseAndRestartReachTheirHandlers() {
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    fixture.flash.RaiseFSCommand(u"game", u"krell");
    fixture.ClickOn(fixture.Picture("Image3"));
    QVERIFY(fixture.Picture("Image4").Visible());
    QCOMPARE(fixture.Caption("Label3").text(), QString("Resume"));
    QCOMPARE(fixture.form->State().Playing, False);
    fixture.ClickOn(fixture.Picture("Image5"));
    QVERIFY(fixture.Picture("Image6").Visible());
    QCOMPARE(fixture.Caption("Label3").text(), QString("Pause"));
    QCOMPARE(fixture.form->State().Playing, True);
  }

  // The mail link goes to xdg-open: the fixture's stand-in.
  void aClickOnSendAFriendHandsTheMailLinkOver() {
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    fixture.ClickOn(fixture.Picture("Image7"));
    const std::vector<std::string> handedOver = fixture.opener.WaitForAddresses(1);
    QCOMPARE(handedOver.size(), size_t{1});
    QVERIFY(handedOver.front().rfind("mailto:", 0) == 0);
    QVERIFY(!fixture.Timer1().Enabled());
  }

  void pressedPicturesCaptionsAndFrameDoNothing() {
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    fixture.ClickOn(fixture.Picture("Image5"));
    QVERIFY(fixture.Picture("Image6").Visible());
    fixture.log.Clear();
    const ShellState before = fixture.form->State();
    fixture.ClickOn(fixture.Picture("Image6"));  // the pressed picture, over Restart
    for (const char* name : {"Label1", "Label2", "Label3", "Label4"}) fixture.ClickOn(fixture.Caption(name));
    for (const char* name : {"top_lf", "bott", "leftt", "rightt", "topp"}) {
      const QRect place = fixture.Picture(name).geometry();
      fixture.ClickAt(place.topLeft() + QPoint(place.width() / 2, 2));
    }
    QVERIFY(fixture.log.Ops().empty());
    QCOMPARE(fixture.form->State().CurrentGame, before.CurrentGame);
    QCOMPARE(fixture.form->State().Playing, before.Playing);
    QVERIFY(!fixture.Picture("Image5").Visible());  // still pressed: nothing ran but the tick
    QTRY_VERIFY(fixture.Picture("Image5").Visible());
  }

  void anEscapingErrorIsShownOnceAndTheWindowStaysUsable() {
    Form1Fixture fixture;
    QVERIFY(fixture.ShowAndActivate());
    fixture.log.FailAt("flash.Movie");
    fixture.ClickOn(fixture.Picture("Image1"));
    QMessageBox* box = ErrorBox(*fixture.form);
    QVERIFY(box != nullptr);
    QVERIFY(box->text().contains("Run-time error '380'"));
    QVERIFY(box->text().contains("Invalid property value"));
    QVERIFY(box->text().contains("while returning to the menu"));
    fixture.flash.RaiseFSCommand(u"game", u"quib");  // a second error waits for the first box
    QCOMPARE(fixture.form->findChildren<QMessageBox*>().size(), 1);
    QVERIFY(box->text().contains("while returning to the menu"));
    QTRY_VERIFY(fixture.Picture("Image2").isHidden());  // the tick runs behind the box
    box->button(QMessageBox::Ok)->click();
    QTRY_VERIFY(ErrorBox(*fixture.form) == nullptr);

    // The menu's command fails at its load: the colour before it stays set, the number is not taken.
    fixture.log.Clear();
    fixture.flash.RaiseFSCommand(u"game", u"wuzz");
    box = ErrorBox(*fixture.form);
    QVERIFY(box != nullptr);
    QVERIFY(box->text().contains("while carrying out the menu's command"));
    QCOMPARE(fixture.log.Ops(), std::vector<std::string>{"flash.BGColor=99cc99"});
    QCOMPARE(fixture.form->State().CurrentGame, int16_t(0));
    box->close();
    QTRY_VERIFY(ErrorBox(*fixture.form) == nullptr);

    fixture.log.FailNothing();
    fixture.flash.RaiseFSCommand(u"game", u"quib");
    QCOMPARE(fixture.form->State().CurrentGame, int16_t(6));
    fixture.ClickOn(fixture.Picture("Image3"));
    QVERIFY(Contains(fixture.log.Ops(), "flash.StopPlay"));
    QCOMPARE(fixture.Caption("Label3").text(), QString("Resume"));
    QVERIFY(ErrorBox(*fixture.form) == nullptr);
  }

  void anErrorAtStartUpIsShownAndTheWindowStillOpens() {
    Form1Fixture fixture;
    fixture.log.FailAt("flash.Play");
    fixture.form->show();
    QMessageBox* box = ErrorBox(*fixture.form);
    QVERIFY(box != nullptr);
    QVERIFY(box->text().contains("while starting up"));
    QVERIFY(fixture.form->isVisible());
    QCOMPARE(fixture.flash.Width(), 11430.0f - 1370);
    box->close();
  }
};

}  // namespace zingbox::test

QTEST_MAIN(zingbox::test::Form1EventsTest)
#include "Form1EventsTest.moc"
