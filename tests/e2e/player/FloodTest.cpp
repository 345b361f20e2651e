// A movie that floods the program with commands gets a few movies built, not one per
// command, and leaves the window answering; command texts that are too long never
// reach the program.
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "platform/qt/QtProgramFolder.h"
#include "shell/MenuCommands.h"
#include "tests/e2e/player/MovieFrames.h"
#include "tests/e2e/player/PlayerHarness.h"

namespace zingbox::test {

class FloodTest : public QObject {
  Q_OBJECT

 private slots:
  void floodOfGameCommandsBuildsAFewMovies() {
    PlayerHarness harness;
    ShellState state;
    const QtProgramFolder folder;
    harness.ForwardCommandsTo([&](const std::u16string& command, const std::u16string& args) {
      flash_FSCommand(state, harness.Player(), folder, command, args);
    });
    QVERIFY(harness.LoadAndWaitFor("plain.swf", "started"));
    // Counts the movies the page loads from now on, each into an engine instance of its own.
    harness.EvaluateInPage(
        "(window.builtMovies = 0, zingbox.load = (load => (...movie) =>"
        "  (window.builtMovies++, load(...movie)))(zingbox.load), 'counting')");

    harness.Load("flood.swf");
    QVERIFY(RunUntil([&] { return harness.CountOf("game") == 5000; }));
    QVERIFY(harness.WaitForCommand("started", "wuzz"));
    QCOMPARE(state.CurrentGame, 5);
    // The flood itself and a game or two; one per command would be thousands.
    const int built = harness.EvaluateInPage("window.builtMovies").toInt();
    QVERIFY2(built >= 2 && built <= 5, qPrintable(QString::number(built)));
  }

  void windowAnswersDuringAnEndlessFlood() {
    PlayerHarness harness;
    // A game that commands itself to be started again, thousands of times a frame.
    harness.ForwardCommandsTo([&](const std::u16string& command, const std::u16string& args) {
      if (command == u"game" && args == u"nobody") {
        harness.Player().SetBGColor(u"99cc99");
        harness.Load("endless_flood.swf");
      }
    });
    auto* menu = new QPushButton("Menu", &harness.Window());
    menu->setGeometry(360, 20, 100, 40);
    menu->show();
    connect(menu, &QPushButton::clicked, this, [&] { harness.Load("menu.swf"); });
    harness.Load("endless_flood.swf");
    QVERIFY(PlayFrames(harness, 10));

    // A click on the display, queued behind whatever the flood has sent.
    QVERIFY(ClickOnDisplay(*menu, menu->rect().center()));
    QVERIFY(RunUntil([&] { return harness.CountOf("hello") > 0; }));
  }

  void tooLongCommandTextsNeverArrive() {
    PlayerHarness harness;
    QVERIFY(harness.LoadAndWaitFor("plain.swf", "started"));
    // Notes the longest message the page sends over the channel.
    QCOMPARE(harness.EvaluateInPage(
                 "(() => { const transport = qt.webChannelTransport, send = transport.send.bind(transport);"
                 "  window.longestMessage = 0;"
                 "  transport.send = message => {"
                 "    longestMessage = Math.max(longestMessage, message.length); send(message); };"
                 "  return 'watching'; })()"),
             "watching");

    QVERIFY(harness.LoadAndWaitFor("long_commands.swf", "tried", "long"));
    QCOMPARE(harness.LatestArgs("longest").size(), 64 * 1024);
    QCOMPARE(harness.CountOf("too_long"), 0);
    const int longest = harness.EvaluateInPage("longestMessage").toInt();
    QVERIFY2(longest > 64 * 1024 && longest < 65 * 1024, qPrintable(QString::number(longest)));

    // Script past the page's own check meets the program's.
    harness.EvaluateInPage(
        "new QWebChannel(qt.webChannelTransport, channel => {"
        "  channel.objects.bridge.fsCommand('too_long', 'x'.repeat(64 * 1024 + 1));"
        "  channel.objects.bridge.fsCommand('direct', 'short'); })");
    QVERIFY(harness.WaitForCommand("direct", "short"));
    QCOMPARE(harness.CountOf("too_long"), 0);
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::FloodTest)
#include "FloodTest.moc"
