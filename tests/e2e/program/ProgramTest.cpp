// The launcher as a user meets it: the real window and the real player, driven by pointer
// clicks and keys on the X display, judged by what the player shows and by the shell's state.
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTest>
#include <QWebEngineScript>
#include <map>
#include <memory>

#include "platform/ruffle/EngineEnvironment.h"
#include "platform/ruffle/RufflePlayer.h"
#include "tests/e2e/player/PlayerHarness.h"
#include "tests/support/ShownMessage.h"
#include "tests/support/StandInOpener.h"
#include "window/ErrorBoundary.h"
#include "window/Form1.h"

namespace zingbox {
namespace {

const QColor MenuStage(0xff, 0x88, 0x00);
const QColor MenuLeftButton(0x00, 0xaa, 0x00);
const QColor MenuRightButton(0xaa, 0x00, 0xaa);
const QColor Black(0, 0, 0);
const QColor WuzzGreen(0x99, 0xcc, 0x99);
const QColor White(0xff, 0xff, 0xff);
const QColor KeyYellow(0xff, 0xdd, 0x00);
constexpr int LoadTimeoutMs = 30000;
constexpr double StageSide = 320;
// As root the test could read any file whatever its permissions. It gives that power up,
// before any thread starts, so that a file made unreadable is unreadable here too.
void GiveUpReadingEveryFile() {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  __user_cap_data_struct capabilities[_LINUX_CAPABILITY_U32S_3]{};
  if (syscall(SYS_capget, &header, capabilities) != 0) return;
  capabilities[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
  syscall(SYS_capset, &header, capabilities);
}

}  // namespace

class ProgramTest : public QObject {
  Q_OBJECT

  test::StandInOpener opener_;
  std::unique_ptr<RufflePlayer> flash_;
  std::unique_ptr<Form1> form_;

  // A point of the movie's 320 x 320 stage, in player pixels (scaled to fit, centred).
  QPoint OnStage(double x, double y) const {
    const double scale = std::min(flash_->width(), flash_->height()) / StageSide;
    const double left = (flash_->width() - StageSide * scale) / 2;
    const double top = (flash_->height() - StageSide * scale) / 2;
    return QPoint(static_cast<int>(left + x * scale), static_cast<int>(top + y * scale));
  }
  // Left of the stage, where only the background colour shows.
  QPoint BesideStage() const { return {5, flash_->height() / 2}; }
  bool ShowsNow(QPoint at, const QColor& colour) const {
    return test::SameColour(flash_->grab().toImage().pixelColor(at), colour, 12);
  }
  bool WaitForPixel(QPoint at, const QColor& colour, int timeoutMs = LoadTimeoutMs) const {
    return QTest::qWaitFor([&] { return ShowsNow(at, colour); }, timeoutMs);
  }
  // One row of the stage, as the player shows it now.
  QImage StageRow(double y) const {
    return flash_->grab().toImage().copy(QRect(OnStage(0, y), OnStage(StageSide, y + 1)));
  }
  bool RowMoves(double y, int timeoutMs) const {
    const QImage now = StageRow(y);
    return QTest::qWaitFor([&] { return StageRow(y) != now; }, timeoutMs);
  }
  QImage SweepRow() const { return StageRow(280); }
  // Holds the right arrow down until the movie shows its key mark, then lets go.
  bool KeysReachTheMovie() const {
    const auto markShown = [&] { return ShowsNow(OnStage(220, 80), KeyYellow); };
    return QTest::qWaitFor([&] { return !markShown(); }, 5000) &&
           test::WhileKeyHeld("Right", [&] { return QTest::qWaitFor(markShown, 5000); }) &&
           QTest::qWaitFor([&] { return !markShown(); }, 5000);
  }
  void ClickAt(QWidget* widget, QPoint local) const {
    QVERIFY(test::ClickOnDisplay(*widget, local));
    QGuiApplication::sync();  // the click has reached its handler
  }
  void Click(const char* control) const {
    QWidget* widget = Control(control);
    QVERIFY(widget);
    ClickAt(widget, widget->rect().center());
  }
  QWidget* Control(const char* name) const { return form_->findChild<QWidget*>(name); }
  QString Label3() const { return form_->findChild<QLabel*>("Label3")->text(); }
  QMessageBox* ErrorBox() const { return form_->findChild<QMessageBox*>(ErrorBoundary::MessageBoxName); }
  QString PlayerMessage() const { return test::MessageTextShownBy(*flash_); }
  std::map<QString, QRect> Layout() const {
    std::map<QString, QRect> places;
    for (const QWidget* child : form_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      places[child->objectName()] = child->geometry();
    return places;
  }
  // Clicks Send a Friend under `name` and waits for its request. A click made before it,
  // under another name, had its request on the way first.
  void HandOverOnce(const char* name) const {
    test::StandInOpener::NameClicks(name);
    Click("Image7");
    QTRY_COMPARE_WITH_TIMEOUT(opener_.Addresses(name).size(), size_t{1}, 10000);
  }

 private slots:
  void initTestCase() {
    flash_ = std::make_unique<RufflePlayer>();
    form_ = std::make_unique<Form1>(*flash_);
    form_->show();
    // Without a window manager the window has to be given the keyboard directly.
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
  }

  void startsWithTheMenuPlayingOnItsOwnStageColour() {
    QVERIFY(WaitForPixel(BesideStage(), MenuStage));
    QCOMPARE(form_->State().CurrentGame, 0);
    QCOMPARE(form_->State().Playing, -1);
    QCOMPARE(Label3(), "Pause");
    QVERIFY(RowMoves(30, LoadTimeoutMs));
    QVERIFY(KeysReachTheMovie());
  }

  void aGameChosenInTheMenuLoadsOnItsColour() {
    ClickAt(flash_.get(), OnStage(60, 200));
    QVERIFY(WaitForPixel(BesideStage(), WuzzGreen));
    QVERIFY(WaitForPixel(OnStage(300, 20), WuzzGreen));
    QTRY_COMPARE(form_->State().CurrentGame, 5);
    QCOMPARE(form_->State().Playing, -1);
    QVERIFY(KeysReachTheMovie());
  }

  void pauseFreezesTheGameAndResumeContinuesIt() {
    QVERIFY(QTest::qWaitFor([&] { return !ShowsNow(OnStage(40, 40), White); }, LoadTimeoutMs));
    Click("Image3");
    QTRY_COMPARE(Label3(), "Resume");
    QCOMPARE(form_->State().Playing, 0);
    QTRY_VERIFY(Control("Image3")->isVisible());  // the press feedback ends by itself

    QVERIFY(test::WaitForDrawnFrames(*flash_->page(), 10));  // a frame already on its way lands
    const QImage frozen = SweepRow();
    QVERIFY(test::WaitForDrawnFrames(*flash_->page(), 60));  // the block moves 4 pixels a frame while it plays
    QCOMPARE(SweepRow(), frozen);

    Click("Image3");
    QTRY_COMPARE(Label3(), "Pause");
    QCOMPARE(form_->State().Playing, -1);
    QVERIFY(QTest::qWaitFor([&] { return SweepRow() != frozen; }, 5000));
    QVERIFY(KeysReachTheMovie());
  }

  void restartPlaysTheGameFromItsFirstFrame() {
    QVERIFY(!ShowsNow(OnStage(40, 40), White));
    Click("Image5");
    QVERIFY(WaitForPixel(OnStage(40, 40), White));
    QCOMPARE(form_->State().CurrentGame, 5);
    QCOMPARE(form_->State().Playing, -1);
    QVERIFY(ShowsNow(BesideStage(), WuzzGreen));  // Restart keeps the colour
    QVERIFY(KeysReachTheMovie());
  }

  void menuAfterPauseRunsTheMenuOnBlack() {
    Click("Image3");
    QTRY_COMPARE(Label3(), "Resume");
    Click("Image1");
    QVERIFY(WaitForPixel(BesideStage(), Black));
    // Only the menu draws its two buttons; the page and its message area are black too.
    QVERIFY(WaitForPixel(OnStage(60, 200), MenuLeftButton));
    QVERIFY(WaitForPixel(OnStage(240, 200), MenuRightButton));
    QVERIFY(RowMoves(30, 5000));
    QCOMPARE(form_->State().CurrentGame, 0);
    QCOMPARE(form_->State().Playing, -1);
    QCOMPARE(Label3(), "Pause");
    QVERIFY(KeysReachTheMovie());

    // Pause on the menu only presses the button.
    Click("Image3");
    QTRY_VERIFY(Control("Image4")->isVisible());
    QTRY_VERIFY(Control("Image3")->isVisible());
    QCOMPARE(Label3(), "Pause");
    QCOMPARE(form_->State().Playing, -1);
  }

  void sendAFriendHandsOverOneLinkPerClickOnThePictureOnly() {
    test::StandInOpener::NameClicks("gift");
    Click("Image7");
    Click("Image7");
    QTRY_COMPARE_WITH_TIMEOUT(opener_.Addresses("gift").size(), size_t{2}, 10000);
    for (const std::string& address : opener_.Addresses("gift"))
      QVERIFY(address.rfind("mailto: ?subject=You have to try this!!!&body=", 0) == 0);
    QVERIFY(KeysReachTheMovie());

    // Where the caption lies over the picture's lower edge, a click is the caption's.
    test::StandInOpener::NameClicks("caption");
    const QPoint onBoth(Control("Image7")->geometry().center().x(), Control("Label4")->geometry().top() + 3);
    QVERIFY(Control("Image7")->geometry().contains(onBoth));
    ClickAt(form_.get(), onBoth);
    HandOverOnce("after caption");
    QVERIFY(opener_.Addresses("caption").empty());
    QCOMPARE(form_->State().CurrentGame, 0);
  }

  void aNarrowWindowHidesSendAFriend() {
    const QSize opening = form_->size();
    QWidget* gift = Control("Image7");
    form_->resize(250, opening.height());  // outer width 3870 twips
    QTRY_VERIFY(!gift->isVisible());
    QVERIFY(!Control("Label4")->isVisible());
    test::StandInOpener::NameClicks("hidden");
    ClickAt(form_.get(), QPoint(form_->width() - 990 / 15 + 120 / 15 + 10, form_->height() - 1250 / 15 + 405 / 15 + 10));

    form_->resize(opening);
    QTRY_VERIFY(gift->isVisible());
    QVERIFY(Control("Label4")->isVisible());
    HandOverOnce("after widening");
    QVERIFY(opener_.Addresses("hidden").empty());
  }

  // Narrower than about 136 px a centre piece of the frame refuses its width; lower than
  // about 110 px the player refuses its height. The pass ends there without a word.
  void aWindowTooSmallForTheLayoutStaysQuietAndRecovers() {
    const QSize opening = form_->size();
    const std::map<QString, QRect> laidOut = Layout();

    form_->resize(100, opening.height());
    QTRY_COMPARE(flash_->width(), qRound((100 * 15 + 120 - 1370) / 15.0));  // the pass ran before refusing
    form_->resize(opening.width(), 100);
    QTRY_COMPARE(flash_->width(), laidOut.at("flash").width());
    QCOMPARE(flash_->height(), laidOut.at("flash").height());  // refused, so kept
    form_->resize(40, 40);
    QTRY_COMPARE(form_->size(), QSize(40, 40));
    QVERIFY(ErrorBox() == nullptr);

    form_->resize(opening);
    QTRY_VERIFY(Layout() == laidOut);
    QVERIFY(ErrorBox() == nullptr);
  }

  void anUnreadableGameIsNamedInThePlayerArea() {
    QFile movie(QDir(QCoreApplication::applicationDirPath()).filePath("gobolon.swf"));
    const QFile::Permissions readable = movie.permissions();
    QVERIFY(movie.setPermissions({}));
    const auto restore = qScopeGuard([&] { movie.setPermissions(readable); });
    QVERIFY(!QFile(movie.fileName()).open(QIODevice::ReadOnly));

    // The page takes the player's size a moment after a resize; a click before that misses.
    QTRY_COMPARE(test::Evaluate(*flash_->page(), "innerWidth", QWebEngineScript::MainWorld),
                 QString::number(flash_->width()));
    ClickAt(flash_.get(), OnStage(240, 200));
    QTRY_VERIFY_WITH_TIMEOUT(PlayerMessage().contains("gobolon.swf"), LoadTimeoutMs);
    QVERIFY2(PlayerMessage().contains("cannot be read"), qPrintable(PlayerMessage()));

    Click("Image1");
    QVERIFY(WaitForPixel(OnStage(60, 200), MenuLeftButton));
    QCOMPARE(PlayerMessage(), QString());
    QVERIFY(ErrorBox() == nullptr);
  }
};

}  // namespace zingbox

int main(int argc, char* argv[]) {
  zingbox::GiveUpReadingEveryFile();
  zingbox::PrepareEngineEnvironment();
  QApplication application(argc, argv);
  zingbox::ProgramTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ProgramTest.moc"
