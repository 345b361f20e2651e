// A movie that floods the program with commands gets one game started, not one per
// command, and leaves the window answering: the user's button wins at once, and what the
// flooding movie sent before it is never heard. Command texts that are too long never
// reach the program.
#include <QApplication>
#include <algorithm>
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
  void floodOfGameCommandsStartsOneGame() {
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
    QVERIFY(harness.WaitForCommand("started", "wuzz"));
    QVERIFY(harness.DrawnFrames(10));
    QCOMPARE(state.CurrentGame, 5);
    // The first command replaced the flood; the 4999 after it went with it.
    QCOMPARE(harness.CountOf("game"), 1);
    QCOMPARE(harness.EvaluateInPage("window.builtMovies").toInt(), 2);
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
    // Seconds of play, each restart of the game sent thousands of times over.
    QVERIFY(RunUntil([&] { return harness.CountOf("game") >= 100; }, 60000));

    // A click on the display, while the flood goes on.
    QVERIFY(ClickOnDisplay(*menu, menu->rect().center()));
    QVERIFY(RunUntil([&] { return harness.CountOf("hello") > 0; }, 5000));
    // And the menu stays: nothing the flood sent before is heard after.
    harness.ForgetCommands();
    QVERIFY(harness.DrawnFrames(30));
    QVERIFY(std::none_of(harness.Commands().begin(), harness.Commands().end(),
                         [](const Command& sent) { return sent.args == "nobody"; }));
  }

  void tooLongCommandTextsNeverArrive() {
    PlayerHarness harness;
    QVERIFY(harness.LoadAndWaitFor("plain.swf", "started"));
    // Notes the longest message the page sends over the channel, and the movie's number
    // that its calls carry first.
    QCOMPARE(harness.EvaluateInPage(
                 "(() => { const transport = qt.webChannelTransport, send = transport.send.bind(transport);"
                 "  window.longestMessage = 0;"
                 "  transport.send = message => {"
                 "    const args = JSON.parse(message).args;"
                 "    if (Array.isArray(args) && args.length > 0) window.movieNumber = args[0];"
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
        "  channel.objects.bridge.fsCommands(movieNumber,"
        "      ['too_long', 'x'.repeat(64 * 1024 + 1), 'direct', 'short']); })");
    QVERIFY(harness.WaitForCommand("direct", "short"));
    QCOMPARE(harness.CountOf("too_long"), 0);
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::FloodTest)
#include "FloodTest.moc"
