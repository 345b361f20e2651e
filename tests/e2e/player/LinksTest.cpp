// A movie's request to open a web or mail address goes to the desktop's opener only
// shortly after the user's own click or key press on the movie, one per input; other
// addresses go nowhere, and the page stays where it is.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "tests/e2e/player/MovieFrames.h"
#include "tests/e2e/player/PlayerHarness.h"

namespace zingbox::test {
namespace {

const QString Tick = QStringLiteral("tick");
constexpr int TwoSecondsOfFrames = 60;  // the movies play at 30 frames a second

}  // namespace

class LinksTest : public QObject {
  Q_OBJECT

  // The stand-in opener lives in a folder whose name holds a blank, as some PATHs do.
  QTemporaryDir fakeOpener_{QDir::temp().filePath(QStringLiteral("zingbox opener XXXXXX"))};
  QTemporaryDir requests_;
  std::unique_ptr<PlayerHarness> harness_;

  // The arguments the stand-in opener was started with, in no particular order.
  QStringList OpenedAddresses() const {
    QStringList addresses;
    const QDir folder(requests_.path());
    for (const QString& name : folder.entryList(QDir::Files)) {
      QFile request(folder.filePath(name));
      if (request.open(QIODevice::ReadOnly)) addresses.append(QString::fromUtf8(request.readAll()));
    }
    addresses.sort();
    return addresses;
  }

  void Play(const QString& movie) {
    harness_->ForgetCommands();
    harness_->Player().SetMovie(PlayerHarness::MoviePath(movie));
    QVERIFY(harness_->WaitForCommand(Tick));
    QDir(requests_.path()).removeRecursively();
    QDir().mkpath(requests_.path());
  }

  void ClickTheMovie() { QTest::mouseClick(harness_->Player().focusProxy(), Qt::LeftButton, {}, {160, 120}); }

  // Clicks the movie, which says how many clicks it has had, and waits for the opener
  // to have been asked for `expected`.
  void ClickAndExpect(int clicks, const QStringList& expected) {
    ClickTheMovie();
    const QString clicked = QString::number(clicks);
    QVERIFY(RunUntil([&] { return harness_->LatestArgs(QStringLiteral("clicked")) == clicked; }));
    RunUntil([&] { return OpenedAddresses() == expected; });
    QCOMPARE(OpenedAddresses(), expected);
  }

 private slots:
  void initTestCase() {
    // Each call leaves a file holding its one argument.
    QFile script(QDir(fakeOpener_.path()).filePath(QStringLiteral("xdg-open")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\n[ $# = 1 ] && printf '%s' \"$1\" > \"%1/request.$$\"\n")
                     .arg(requests_.path())
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ExeOwner | QFile::ReadOwner | QFile::WriteOwner);
    qputenv("PATH", (fakeOpener_.path() + QLatin1Char(':') + qEnvironmentVariable("PATH")).toUtf8());

    harness_ = std::make_unique<PlayerHarness>();
    // Without a window manager the X input focus has to be given to the window directly.
    harness_->Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&harness_->Window()));
    harness_->Player().setFocus();
  }

  void cleanupTestCase() { harness_.reset(); }

  void linksNobodyAskedForGoNowhere() {
    Play(QStringLiteral("nagging_links.swf"));
    QVERIFY(PlayFrames(*harness_, TwoSecondsOfFrames));
    QCOMPARE(OpenedAddresses(), QStringList());

    // A click lets one of them out, and only one, though the movie asks on every frame.
    ClickTheMovie();
    QVERIFY(RunUntil([&] { return !OpenedAddresses().isEmpty(); }));
    QVERIFY(OpenedAddresses().front().startsWith(QStringLiteral("https://zingbox.invalid/nag?")));
    QVERIFY(PlayFrames(*harness_, TwoSecondsOfFrames));
    QCOMPARE(OpenedAddresses().size(), 1);
  }

  void eachClickOpensOneWebOrMailAddress() {
    Play(QStringLiteral("clicked_links.swf"));
    const QUrl hostPage = harness_->Player().url();

    // Script and local file are passed over; the mail keeps only what it may.
    QStringList expected = {QStringLiteral(
        "mailto:friend@zingbox.invalid?subject=Try%20this&cc=copy@zingbox.invalid&body=Line%0Atwo")};
    ClickAndExpect(1, expected);
    // Two pages asked for at once.
    expected.prepend(QStringLiteral("https://zingbox.invalid/new-window?one"));
    ClickAndExpect(2, expected);
    // A page in place of the player's.
    expected.prepend(QStringLiteral("http://zingbox.invalid/in-place"));
    ClickAndExpect(3, expected);

    QVERIFY(PlayFrames(*harness_, TwoSecondsOfFrames));
    QCOMPARE(OpenedAddresses(), expected);
    QCOMPARE(harness_->EvaluateInPage(QStringLiteral("window.scriptRan")), QStringLiteral("undefined"));
    QCOMPARE(harness_->Player().url(), hostPage);
  }

  void aKeyPressOpensOneAddress() {
    Play(QStringLiteral("clicked_links.swf"));
    // Held for many frames, while the movie asks on each of them.
    QVERIFY(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("keydown"), QStringLiteral("space")}) == 0);
    const bool played = PlayFrames(*harness_, TwoSecondsOfFrames);
    QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("keyup"), QStringLiteral("space")});
    QVERIFY(played);
    QCOMPARE(OpenedAddresses(), QStringList{QStringLiteral("https://zingbox.invalid/key")});
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::LinksTest)
#include "LinksTest.moc"
