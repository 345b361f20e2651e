// A movie that reaches for files outside the program folder gets nothing, whether by
// address or through a link in the folder; a movie that is itself such a link plays.
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "tests/e2e/player/MovieFrames.h"
#include "tests/e2e/player/PlayerHarness.h"

namespace zingbox::test {

class ContainmentTest : public QObject {
  Q_OBJECT

  QTemporaryDir outside_;
  QList<QByteArray> planted_;  // links put into the program folder, as file names

  void PlantLink(const QByteArray& name, const QString& target) {
    const QByteArray link = QFile::encodeName(PlayerHarness::ProgramFolder()) + '/' + name;
    ::unlink(link.constData());
    QCOMPARE(::symlink(QFile::encodeName(target).constData(), link.constData()), 0);
    planted_.append(link);
  }

  // Plays `movie`, which loads the file beside it and others, and checks that the file
  // beside it arrives and, for a second of frames after it, nothing else.
  void ExpectOnlyTheFileBeside(const QString& movie) {
    PlayerHarness harness;
    harness.Player().SetMovie(PlayerHarness::MoviePath(movie));
    QVERIFY(harness.WaitForCommand(QStringLiteral("inside"), QStringLiteral("yes")));
    QVERIFY(PlayFrames(harness, 30));
    QCOMPARE(harness.CountOf(QStringLiteral("secret")), 0);
  }

 private slots:
  void initTestCase() {
    const QDir outside(outside_.path());
    QFile secret(outside.filePath(QStringLiteral("secret.txt")));
    QVERIFY(secret.open(QIODevice::WriteOnly));
    secret.write("secret=stolen");
    secret.close();
    QVERIFY(QFile::copy(QDir(PlayerHarness::ProgramFolder()).filePath(QStringLiteral("wandering_loads.swf")),
                        outside.filePath(QStringLiteral("kept elsewhere.swf"))));

    PlantLink("leak.txt", secret.fileName());
    // A name that is no valid UTF-8 has no real path that the player could establish.
    PlantLink("\xFF\xFE.txt", secret.fileName());
    PlantLink("linked.swf", outside.filePath(QStringLiteral("kept elsewhere.swf")));
  }

  void cleanupTestCase() {
    for (const QByteArray& link : std::as_const(planted_)) ::unlink(link.constData());
  }

  void hostileMovieGetsNothingFromOutside() {
    // Both variable loads are asked for in the same frame; the one beside the movie
    // arriving shows that loading works, so the other's silence is the refusal.
    ExpectOnlyTheFileBeside(QStringLiteral("hostile.swf"));
  }

  void linksInTheFolderLeadNowhereOutside() { ExpectOnlyTheFileBeside(QStringLiteral("wandering_loads.swf")); }

  void movieLinkedIntoTheFolderPlaysAndStaysInside() {
    ExpectOnlyTheFileBeside(QStringLiteral("linked.swf"));
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::ContainmentTest)
#include "ContainmentTest.moc"
