// The launcher as a user meets it: the real window and the real player, driven by pointer
// clicks on the X display, judged by what the player shows and by the shell's state.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "platform/ruffle/EngineEnvironment.h"
#include "platform/ruffle/RufflePlayer.h"
#include "window/Form1.h"

namespace zingbox {
namespace {

const QColor MenuStage(0xff, 0x88, 0x00);
const QColor Black(0, 0, 0);
const QColor WuzzGreen(0x99, 0xcc, 0x99);
const QColor White(0xff, 0xff, 0xff);
constexpr int LoadTimeoutMs = 30000;
constexpr double StageSide = 320;

bool Near(const QColor& a, const QColor& b) {
  return std::abs(a.red() - b.red()) <= 12 && std::abs(a.green() - b.green()) <= 12 &&
         std::abs(a.blue() - b.blue()) <= 12;
}

}  // namespace

class ProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void startsWithTheMenuPlayingOnItsOwnStageColour();
  void aGameChosenInTheMenuLoadsOnItsColour();
  void pauseFreezesTheGameAndResumeContinuesIt();
  void restartPlaysTheGameFromItsFirstFrame();
  void menuShowsTheMenuOnBlack();
  void sendAFriendHandsOverOneLinkPerClickOnThePictureOnly();
  void aNarrowWindowHidesSendAFriend();

 private:
  // A point of the movie's 320 x 320 stage, in player pixels (scaled to fit, centred).
  QPoint OnStage(double x, double y) const;
  // Left of the stage, where only the background colour shows.
  QPoint BesideStage() const { return {5, flash_->height() / 2}; }
  QColor PlayerPixel(QPoint at) const { return flash_->grab().toImage().pixelColor(at); }
  bool WaitForPixel(QPoint at, const QColor& colour) const;
  // The sweeping block's row, as the player shows it now.
  QImage SweepRow() const;
  void ClickAt(QWidget* widget, QPoint local) const;
  void Click(const char* control) const;
  QWidget* Control(const char* name) const { return form_->findChild<QWidget*>(name); }
  QString Label3() const { return form_->findChild<QLabel*>("Label3")->text(); }
  bool PlayerHasFocus() const;
  int MailRequests() const { return QDir(requests_.path()).entryList(QDir::Files).size(); }

  QTemporaryDir fakeOpener_;
  QTemporaryDir requests_;
  std::unique_ptr<RufflePlayer> flash_;
  std::unique_ptr<Form1> form_;
};

QPoint ProgramTest::OnStage(double x, double y) const {
  const double scale = std::min(flash_->width(), flash_->height()) / StageSide;
  const double left = (flash_->width() - StageSide * scale) / 2;
  const double top = (flash_->height() - StageSide * scale) / 2;
  return QPoint(static_cast<int>(left + x * scale), static_cast<int>(top + y * scale));
}

bool ProgramTest::WaitForPixel(QPoint at, const QColor& colour) const {
  return QTest::qWaitFor([&] { return Near(PlayerPixel(at), colour); }, LoadTimeoutMs);
}

QImage ProgramTest::SweepRow() const {
  const QPoint from = OnStage(0, 280);
  const QPoint to = OnStage(StageSide, 281);
  return flash_->grab().toImage().copy(QRect(from, to));
}

void ProgramTest::ClickAt(QWidget* widget, QPoint local) const {
  const QPoint global = widget->mapToGlobal(local);
  QCOMPARE(QProcess::execute("xdotool", {"mousemove", QString::number(global.x()), QString::number(global.y()),
                                         "click", "1"}),
           0);
}

void ProgramTest::Click(const char* control) const {
  QWidget* widget = Control(control);
  QVERIFY(widget);
  ClickAt(widget, widget->rect().center());
}

bool ProgramTest::PlayerHasFocus() const {
  // The window's own focus child: without a window manager the window is never active.
  QWidget* focus = form_->focusWidget();
  return focus && (focus == flash_.get() || flash_->isAncestorOf(focus));
}

void ProgramTest::initTestCase() {
  // A stand-in xdg-open first on PATH: each call leaves a file holding its argument.
  const QString opener = fakeOpener_.filePath("xdg-open");
  QFile script(opener);
  QVERIFY(script.open(QIODevice::WriteOnly));
  script.write(QString("#!/bin/sh\nprintf '%s' \"$1\" > \"%1/request.$$\"\n").arg(requests_.path()).toUtf8());
  script.close();
  script.setPermissions(QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
  qputenv("PATH", (fakeOpener_.path() + ":" + qgetenv("PATH")).toUtf8());

  flash_ = std::make_unique<RufflePlayer>();
  form_ = std::make_unique<Form1>(*flash_);
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void ProgramTest::startsWithTheMenuPlayingOnItsOwnStageColour() {
  QVERIFY(WaitForPixel(BesideStage(), MenuStage));
  QCOMPARE(form_->State().CurrentGame, 0);
  QCOMPARE(form_->State().Playing, -1);
  QCOMPARE(Label3(), QString("Pause"));
  QVERIFY(PlayerHasFocus());
}

void ProgramTest::aGameChosenInTheMenuLoadsOnItsColour() {
  ClickAt(flash_.get(), OnStage(60, 200));
  QVERIFY(WaitForPixel(BesideStage(), WuzzGreen));
  QVERIFY(WaitForPixel(OnStage(300, 20), WuzzGreen));
  QTRY_COMPARE(form_->State().CurrentGame, 5);
  QCOMPARE(form_->State().Playing, -1);
}

void ProgramTest::pauseFreezesTheGameAndResumeContinuesIt() {
  QVERIFY(QTest::qWaitFor([&] { return !Near(PlayerPixel(OnStage(40, 40)), White); }, LoadTimeoutMs));
  Click("Image3");
  QTRY_COMPARE(Label3(), QString("Resume"));
  QCOMPARE(form_->State().Playing, 0);
  QTRY_VERIFY(Control("Image3")->isVisible());  // the press feedback ends by itself
  QVERIFY(PlayerHasFocus());

  QTest::qWait(300);  // let a frame already on its way land
  const QImage frozen = SweepRow();
  QTest::qWait(600);
  QCOMPARE(SweepRow(), frozen);

  Click("Image3");
  QTRY_COMPARE(Label3(), QString("Pause"));
  QCOMPARE(form_->State().Playing, -1);
  QVERIFY(QTest::qWaitFor([&] { return SweepRow() != frozen; }, 5000));
}

void ProgramTest::restartPlaysTheGameFromItsFirstFrame() {
  QVERIFY(!Near(PlayerPixel(OnStage(40, 40)), White));
  Click("Image5");
  QVERIFY(WaitForPixel(OnStage(40, 40), White));
  QCOMPARE(form_->State().CurrentGame, 5);
  QCOMPARE(form_->State().Playing, -1);
  QVERIFY(Near(PlayerPixel(BesideStage()), WuzzGreen));  // Restart keeps the colour
}

void ProgramTest::menuShowsTheMenuOnBlack() {
  Click("Image1");
  QVERIFY(WaitForPixel(BesideStage(), Black));
  QVERIFY(WaitForPixel(OnStage(160, 60), Black));
  QCOMPARE(form_->State().CurrentGame, 0);
  QCOMPARE(Label3(), QString("Pause"));
  QVERIFY(PlayerHasFocus());

  // Pause on the menu only presses the button.
  Click("Image3");
  QTRY_VERIFY(Control("Image4")->isVisible());
  QTRY_VERIFY(Control("Image3")->isVisible());
  QCOMPARE(Label3(), QString("Pause"));
  QCOMPARE(form_->State().Playing, -1);
}

void ProgramTest::sendAFriendHandsOverOneLinkPerClickOnThePictureOnly() {
  Click("Image7");
  Click("Image7");
  QTRY_COMPARE_WITH_TIMEOUT(MailRequests(), 2, 10000);
  for (const QString& request : QDir(requests_.path()).entryList(QDir::Files)) {
    QFile file(requests_.filePath(request));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("mailto: ?subject=You have to try this!!!&body="));
  }

  // The caption's left part, clear of the picture.
  QWidget* caption = Control("Label4");
  ClickAt(caption, QPoint(3, caption->height() / 2));
  QTest::qWait(1000);
  QCOMPARE(MailRequests(), 2);
  QCOMPARE(form_->State().CurrentGame, 0);
}

void ProgramTest::aNarrowWindowHidesSendAFriend() {
  const QSize opening = form_->size();
  QWidget* gift = Control("Image7");
  form_->resize(250, opening.height());  // outer width 3870 twips
  QTRY_VERIFY(!gift->isVisible());
  QVERIFY(!Control("Label4")->isVisible());
  ClickAt(form_.get(), QPoint(form_->width() - 990 / 15 + 120 / 15 + 10, form_->height() - 1250 / 15 + 405 / 15 + 10));
  QTest::qWait(1000);
  QCOMPARE(MailRequests(), 2);

  form_->resize(opening);
  QTRY_VERIFY(gift->isVisible());
  QVERIFY(Control("Label4")->isVisible());
}

}  // namespace zingbox

int main(int argc, char* argv[]) {
  zingbox::PrepareEngineEnvironment();
  QApplication application(argc, argv);
  zingbox::ProgramTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ProgramTest.moc"
