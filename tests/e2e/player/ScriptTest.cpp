// No text that a movie brings runs as script in the player page; the page is loaded once
// and stays, whatever the movie asks for; and it never shows a dialog.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>

#include "tests/e2e/player/MovieFrames.h"
#include "tests/e2e/player/PlayerHarness.h"

namespace zingbox::test {

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
    QVERIFY(harness.LoadAndWaitFor("plain.swf", "started"));
    QCOMPARE(pageLoads, 1);
    harness.EvaluateInPage("window.document.hostDocument = 'original'");
    const QUrl hostPage = QUrl::fromLocalFile(PlayerHarness::ProgramFolder() + "/player/player.html");

    harness.Load("script_routes.swf");
    // Then a second of frames: long enough for any refused load or script to have shown.
    // A page loaded afresh would have ended the movie, so count the loads first.
    const bool playedOn = RunUntil([&] { return harness.CountOf("tried") > 0; }) && PlayFrames(harness, FramesPerSecond);
    QCOMPARE(pageLoads, 1);
    QVERIFY(playedOn);

    QCOMPARE(harness.EvaluateInPage("window.scriptRan"), "undefined");
    QVERIFY(harness.WaitForCommand("eval"));
    QCOMPARE(harness.LatestArgs("eval"), "undefined");
    QCOMPARE(harness.EvaluateInPage("document.hostDocument"), "original");
    QCOMPARE(harness.EvaluateInPage("location.href"), hostPage.toString(QUrl::FullyEncoded));
    QCOMPARE(harness.Player().url(), hostPage);
    QVERIFY(harness.LoadAndWaitFor("plain.swf", "started", "plain"));
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
    QVERIFY(harness.LoadAndWaitFor("plain.swf", "started"));

    QCOMPARE(harness.EvaluateInPage("[alert('a'), confirm('b'), prompt('c', 'd')].join('|')"), "|false|");
    // The leave-page question is asked only once the user has touched the page.
    const auto touchPage = [&] {
      QTest::mouseClick(harness.Player().focusProxy(), Qt::LeftButton, {}, QPoint(100, 100));
      return harness.EvaluateInPage("navigator.userActivation.hasBeenActive") == "true";
    };
    QTRY_VERIFY(touchPage());
    harness.EvaluateInPage("onbeforeunload = event => { event.preventDefault(); return 'stay'; }");
    harness.Player().page()->triggerAction(QWebEnginePage::Reload);
    // The question would hold up the page's script, so this answer comes after it.
    QCOMPARE(harness.EvaluateInPage("document.readyState"), "complete");
    QCOMPARE(shown, QStringList());
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::ScriptTest)
#include "ScriptTest.moc"
