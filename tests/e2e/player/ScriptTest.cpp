// No text that a movie brings runs as script in the player page; the page is loaded once
// and stays, whatever the movie asks for; and it never shows a dialog.
#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>

#include "tests/e2e/player/MovieFrames.h"
#include "tests/e2e/player/PlayerHarness.h"

namespace zingbox::test {
namespace {

const QString Started = QStringLiteral("started");

QUrl HostPage() {
  return QUrl::fromLocalFile(QDir(PlayerHarness::ProgramFolder()).filePath(QStringLiteral("player/player.html")));
}

}  // namespace

class ScriptTest : public QObject {
  Q_OBJECT

 private slots:
  void movieScriptNeverRunsAndThePageStaysPut() {
    PlayerHarness harness;
    int pageLoads = 0;
    connect(harness.Player().page(), &QWebEnginePage::loadingChanged, this,
            [&](const QWebEngineLoadingInfo& loading) {
              if (loading.status() == QWebEngineLoadingInfo::LoadSucceededStatus) ++pageLoads;
            });
    harness.Player().SetMovie(PlayerHarness::MoviePath(QStringLiteral("plain.swf")));
    QVERIFY(harness.WaitForCommand(Started));
    QCOMPARE(pageLoads, 1);
    harness.EvaluateInPage(QStringLiteral("window.document.hostDocument = 'original'"));

    harness.Player().SetMovie(PlayerHarness::MoviePath(QStringLiteral("script_routes.swf")));
    // Then a second of frames: long enough for any refused load or script to have shown.
    // A page loaded afresh would have ended the movie, so count the loads first.
    const bool playedOn = RunUntil([&] { return harness.CountOf(QStringLiteral("tried")) > 0; }) &&
                          PlayFrames(harness, 30);
    QCOMPARE(pageLoads, 1);
    QVERIFY(playedOn);

    QCOMPARE(harness.EvaluateInPage(QStringLiteral("window.scriptRan")), QStringLiteral("undefined"));
    QVERIFY(harness.WaitForCommand(QStringLiteral("eval")));
    QCOMPARE(harness.LatestArgs(QStringLiteral("eval")), QStringLiteral("undefined"));
    QCOMPARE(harness.EvaluateInPage(QStringLiteral("document.hostDocument")), QStringLiteral("original"));
    QCOMPARE(harness.EvaluateInPage(QStringLiteral("location.href")), HostPage().toString(QUrl::FullyEncoded));
    QCOMPARE(harness.Player().url(), HostPage());

    harness.ForgetCommands();
    harness.Player().SetMovie(PlayerHarness::MoviePath(QStringLiteral("plain.swf")));
    QVERIFY(harness.WaitForCommand(Started, QStringLiteral("plain")));
  }

  void pageShowsNoDialog() {
    PlayerHarness harness;
    // Each box would be modal and hold up the page; close any at once, and note it.
    QStringList shown;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
      if (QWidget* box = QApplication::activeModalWidget()) {
        shown.append(box->windowTitle());
        box->close();
      }
    });
    closer.start(20);
    harness.Player().SetMovie(PlayerHarness::MoviePath(QStringLiteral("plain.swf")));
    QVERIFY(harness.WaitForCommand(Started));

    QCOMPARE(harness.EvaluateInPage(QStringLiteral("[alert('a'), confirm('b'), prompt('c', 'd')].join('|')")),
             QStringLiteral("|false|"));
    // The leave-page question is asked only once the user has touched the page.
    const auto touchPage = [&] {
      QTest::mouseClick(harness.Player().focusProxy(), Qt::LeftButton, {}, QPoint(100, 100));
      return harness.EvaluateInPage(QStringLiteral("navigator.userActivation.hasBeenActive")) == QLatin1String("true");
    };
    QTRY_VERIFY(touchPage());
    harness.EvaluateInPage(QStringLiteral("onbeforeunload = event => { event.preventDefault(); return 'stay'; }"));
    harness.Player().page()->triggerAction(QWebEnginePage::Reload);
    // The question would hold up the page's script, so this answer comes after it.
    QCOMPARE(harness.EvaluateInPage(QStringLiteral("document.readyState")), QStringLiteral("complete"));
    QCOMPARE(shown, QStringList());
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::ScriptTest)
#include "ScriptTest.moc"
