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

 private slots:
  void initTestCase() {
    const QDir outside(outside_.path());
    QFile secret(outside.filePath("secret.txt"));
    QVERIFY(secret.open(QIODevice::WriteOnly));
    secret.write("secret=stolen");
    secret.close();
    QVERIFY(QFile::copy(QDir(PlayerHarness::ProgramFolder()).filePath("wandering_loads.swf"),
                        outside.filePath("kept elsewhere.swf")));

    PlantLink("leak.txt", secret.fileName());
    // A name that is no valid UTF-8 has no real path that the player could establish.
    PlantLink("\xFF\xFE.txt", secret.fileName());
    PlantLink("linked.swf", outside.filePath("kept elsewhere.swf"));
  }

  void cleanupTestCase() {
    for (const QByteArray& link : std::as_const(planted_)) ::unlink(link.constData());
  }

  // Each movie loads the file beside it and, in the same frame, others: the one beside it
  // arriving shows that loading works, so the silence of the others is the refusal.
  void movieGetsOnlyTheFileBesideIt_data() {
    QTest::addColumn<QString>("movie");
    QTest::newRow("by address") << "hostile.swf";
    QTest::newRow("through links in the folder") << "wandering_loads.swf";
    QTest::newRow("itself linked into the folder") << "linked.swf";
  }

  void movieGetsOnlyTheFileBesideIt() {
    QFETCH(QString, movie);
    PlayerHarness harness;
    QVERIFY(harness.LoadAndWaitFor(movie, "inside", "yes"));
    QVERIFY(PlayFrames(harness, FramesPerSecond));
    QCOMPARE(harness.CountOf("secret"), 0);
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::ContainmentTest)
#include "ContainmentTest.moc"
