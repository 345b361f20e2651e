// A movie that reaches for files outside the program folder gets nothing and cannot
// take the page elsewhere.
#include <QApplication>
#include <QDir>
#include <QTest>

#include "tests/e2e/player/PlayerHarness.h"

namespace zingbox::test {

class ContainmentTest : public QObject {
  Q_OBJECT

 private slots:
  void hostileMovieGetsNothingFromOutside() {
    PlayerHarness harness;
    const QUrl hostPage = QUrl::fromLocalFile(
        QDir(PlayerHarness::ProgramFolder()).filePath(QStringLiteral("player/player.html")));
    harness.Player().SetMovie(PlayerHarness::MoviePath(QStringLiteral("hostile.swf")));

    // Both variable loads were asked for in the same frame; the one beside the movie
    // arriving shows that loading works, so the other's silence is the refusal.
    QVERIFY(harness.WaitForCommand(QStringLiteral("inside"), QStringLiteral("yes")));
    const int ticksThen = harness.CountOf(QStringLiteral("tick"));
    QTRY_VERIFY_WITH_TIMEOUT(harness.CountOf(QStringLiteral("tick")) >= ticksThen + 30, 20000);
    QCOMPARE(harness.CountOf(QStringLiteral("secret")), 0);

    // Script the movie slipped into the page reads the program folder but nothing outside.
    QTRY_COMPARE_WITH_TIMEOUT(harness.EvaluateInPage(QStringLiteral("window.insideRead")),
                              QStringLiteral("inside=yes"), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(harness.EvaluateInPage(QStringLiteral("window.outsideRead")),
                              QStringLiteral("refused"), 20000);
    QCOMPARE(harness.Player().url(), hostPage);
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::ContainmentTest)
#include "ContainmentTest.moc"
