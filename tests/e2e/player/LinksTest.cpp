// A movie's request to open a web or mail address goes to the desktop's opener by every
// route a movie has, only after the user's own click on that movie; other addresses go
// nowhere, and the page stays where it is. The clipboard, file dialogs and the engine's
// own menu are out of a movie's reach. Which input lets how many links out is LinkGate's
// unit test.
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

#include "tests/e2e/player/MovieFrames.h"
#include "tests/e2e/player/PlayerHarness.h"
#include "tests/support/StandInOpener.h"

namespace zingbox::test {

class LinksTest : public QObject {
  Q_OBJECT

  StandInOpener opener_;
  std::unique_ptr<PlayerHarness> harness_;

  void Play(const QString& movie) {
    QVERIFY(harness_->LoadAndWaitFor(movie, QStringLiteral("tick")));
    opener_.Forget();
  }

  void ClickTheMovie() { QTest::mouseClick(harness_->Player().focusProxy(), Qt::LeftButton, {}, {160, 120}); }

  // Clicks the movie, which says how many clicks it has had, and waits for the opener
  // to have been asked for `expected`.
  void ClickAndExpect(int clicks, const std::vector<std::string>& expected) {
    ClickTheMovie();
    const QString clicked = QString::number(clicks);
    QVERIFY(RunUntil([&] { return harness_->LatestArgs(QStringLiteral("clicked")) == clicked; }));
    RunUntil([&] { return opener_.Addresses() == expected; });
    QCOMPARE(opener_.Addresses(), expected);
  }

 private slots:
  void initTestCase() {
    harness_ = std::make_unique<PlayerHarness>();
    QVERIFY(harness_->TakeKeyboard());
  }

  void cleanupTestCase() { harness_.reset(); }

  void eachClickOpensOneWebOrMailAddress() {
    Play(QStringLiteral("clicked_links.swf"));
    const QUrl hostPage = harness_->Player().url();

    // Script and local file are passed over; the mail keeps only what it may.
    std::vector<std::string> expected = {
        "mailto:friend@zingbox.invalid?subject=Try%20this&cc=copy@zingbox.invalid&body=Line%0Atwo"};
    ClickAndExpect(1, expected);
    expected.insert(expected.begin(), "https://zingbox.invalid/new-window?one");  // of two at once
    ClickAndExpect(2, expected);
    expected.insert(expected.begin(), "http://zingbox.invalid/in-place");
    ClickAndExpect(3, expected);

    QVERIFY(PlayFrames(*harness_, 2 * FramesPerSecond));
    QCOMPARE(opener_.Addresses(), expected);
    QCOMPARE(harness_->EvaluateInPage(QStringLiteral("window.scriptRan")), QStringLiteral("undefined"));
    QCOMPARE(harness_->Player().url(), hostPage);
  }

  void theClickThatStartsAGameIsNotTheGames() {
    // The menu's button starts a game that asks for links from its first frame on.
    harness_->ForwardCommandsTo([&](const std::u16string& command, const std::u16string& game) {
      if (command == u"game") harness_->Load(QString::fromStdU16String(game) + QStringLiteral(".swf"));
    });
    Play(QStringLiteral("link_menu.swf"));
    ClickTheMovie();
    QVERIFY(harness_->WaitForCommand(QStringLiteral("game")));
    QVERIFY(PlayFrames(*harness_, 2 * FramesPerSecond));
    harness_->ForwardCommandsTo(nullptr);
    QVERIFY(opener_.Addresses().empty());

    // Its own click lets one out.
    ClickTheMovie();
    QVERIFY(RunUntil([&] { return !opener_.Addresses().empty(); }));
  }

  void clipboardFileDialogAndMenuAreOutOfReach() {
    QGuiApplication::clipboard()->setText(QStringLiteral("the user's"));
    // A file dialog, should one open, is closed again and noted.
    bool fileDialogShown = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
      for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QFileDialog*>(window);
        if (dialog != nullptr && dialog->isVisible()) {
          fileDialogShown = true;
          dialog->reject();
        }
      }
    });
    watch.start(50);

    // The click the movie opens its file dialog with lets it write the clipboard, as far
    // as the web engine goes, for seconds after.
    Play(QStringLiteral("desktop_grab.swf"));
    ClickTheMovie();
    QVERIFY(harness_->WaitForCommand(QStringLiteral("clicked"), QStringLiteral("browse")));
    QVERIFY(PlayFrames(*harness_, FramesPerSecond));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("the user's"));
    QVERIFY(!fileDialogShown);

    QTest::mouseClick(harness_->Player().focusProxy(), Qt::RightButton, {}, {160, 120});
    QVERIFY(PlayFrames(*harness_, 10));
    QCOMPARE(harness_->EvaluateInPage(QStringLiteral(
                 "document.querySelector('ruffle-player').shadowRoot"
                 ".querySelector('#context-menu-overlay:not(.hidden), .modal:not(.hidden)') === null")),
             QStringLiteral("true"));
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::LinksTest)
#include "LinksTest.moc"
