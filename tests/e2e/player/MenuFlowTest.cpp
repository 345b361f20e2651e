// From a menu movie's command through the shell to the game on its colour.
#include <QApplication>
#include <QTest>

#include "platform/qt/QtProgramFolder.h"
#include "shell/MenuCommands.h"
#include "tests/e2e/player/PlayerHarness.h"

namespace zingbox::test {

class MenuFlowTest : public QObject {
  Q_OBJECT

 private slots:
  void menuCommandStartsTheGameOnItsBackground() {
    PlayerHarness harness;
    ShellState state;
    const QtProgramFolder folder;
    harness.ForwardCommandsTo([&](const std::u16string& command, const std::u16string& args) {
      flash_FSCommand(state, harness.Player(), folder, command, args);
    });

    // Issued before the page is ready, as Form1's Load does.
    harness.Player().SetMovie(PlayerHarness::MoviePath(QStringLiteral("menu.swf")));
    harness.Player().Play();

    QVERIFY(harness.WaitForCommand(QStringLiteral("started"), QStringLiteral("wuzz")));
    QCOMPARE(state.CurrentGame, 5);
    QVERIFY(harness.WaitForPixel({160, 120}, QColor(0x20, 0x40, 0xff)));
    QVERIFY(harness.WaitForPixel({4, 4}, QColor(0x99, 0xcc, 0x99)));
    QVERIFY(harness.WaitForPixel({315, 235}, QColor(0x99, 0xcc, 0x99)));

  }

  void commandTextsArriveExactlyAsSent() {
    PlayerHarness harness;
    harness.Player().SetMovie(PlayerHarness::MoviePath(QStringLiteral("menu.swf")));

    QVERIFY(harness.WaitForCommand(QStringLiteral("game")));
    QCOMPARE(harness.Commands().front().command, QStringLiteral("hello"));
    QCOMPARE(harness.Commands().front().args, QStringLiteral("Grüße, wörld & <ü> \"quoted\" 100%"));
    QCOMPARE(harness.LatestArgs(QStringLiteral("game")), QStringLiteral("wuzz"));
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::MenuFlowTest)
#include "MenuFlowTest.moc"
