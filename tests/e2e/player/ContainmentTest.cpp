// A movie that reaches for files outside the program folder gets nothing, whether by
// address or through a link in the folder, even one that changes under the load; a
// movie that is itself such a link plays. A pipe in the folder holds nothing up.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "tests/e2e/player/MovieFrames.h"
#include "tests/e2e/player/PlayerHarness.h"

namespace zingbox::test {

class ContainmentTest : public QObject {
  Q_OBJECT

  QTemporaryDir outside_;
  QList<QByteArray> planted_;  // links put into the program folder, as file names

  static QByteArray InFolder(const QByteArray& name) {
    return QFile::encodeName(PlayerHarness::ProgramFolder()) + '/' + name;
  }

  void PlantLink(const QByteArray& name, const QString& target) {
    const QByteArray link = InFolder(name);
    ::unlink(link.constData());
    QCOMPARE(::symlink(QFile::encodeName(target).constData(), link.constData()), 0);
    planted_.append(link);
  }

  static void WriteFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
  }

 private slots:
  void initTestCase() {
    const QDir outside(outside_.path());
    QFile secret(outside.filePath("secret.txt"));
    WriteFile(secret.fileName(), "secret=stolen");
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

  // Asked for once, a pipe fails at once: no load waits on it, neither the movie's own
  // next one nor the next movie's.
  void pipeInTheFolderHoldsNothingUp() {
    const QByteArray pipe = InFolder("fifo.txt");
    ::unlink(pipe.constData());
    QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
    planted_.append(pipe);
    PlayerHarness harness;
    QVERIFY(harness.LoadAndWaitFor("piped_loads.swf", "inside", "yes"));
    QVERIFY(PlayFrames(harness, 2 * FramesPerSecond));
    QVERIFY(harness.LoadAndWaitFor("wandering_loads.swf", "inside", "yes"));
  }

  // The link is flipped between a file inside and one outside while the movie loads it
  // in a loop: what is read is what was checked, so nothing from outside ever arrives.
  void linkFlippedUnderTheLoadsNeverLetsTheOutsideIn() {
    // Enough to see a quarter of them leak, as they did when the engine opened the name
    // after the check; bounded in time, as a loaded machine serves far fewer.
    constexpr int Loads = 2000, FewestLoads = 100;
    const QString inside = QFile::decodeName(InFolder("flip_inside.txt"));
    const QString outside = QDir(outside_.path()).filePath("flip.txt");
    WriteFile(inside, "flip=inside");
    WriteFile(outside, "flip=outside");
    planted_.append(QFile::encodeName(inside));
    PlantLink("flip.txt", "flip_inside.txt");
    PlantLink("flip.next", outside);
    std::atomic<bool> flipping = true;
    std::thread flipper([&] {
      const QByteArray link = InFolder("flip.txt"), next = InFolder("flip.next");
      const QByteArray targets[] = {QByteArrayLiteral("flip_inside.txt"), QFile::encodeName(outside)};
      for (int turn = 0; flipping; ++turn) {
        ::unlink(next.constData());
        if (::symlink(targets[turn % 2].constData(), next.constData()) == 0) ::rename(next.constData(), link.constData());
        std::this_thread::sleep_for(std::chrono::microseconds(100));
      }
    });
    PlayerHarness harness;
    harness.Load("flipping_loads.swf");
    const auto arrived = [&harness](const char* value) {
      return static_cast<int>(std::count_if(harness.Commands().begin(), harness.Commands().end(), [value](const Command& each) {
        return each.command == "flip" && each.args == value;
      }));
    };
    // Waited for in an event loop of its own: the engine's round trips through this thread
    // for each load would otherwise wait on qWaitFor's pauses.
    QEventLoop waiting;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (arrived("inside") >= Loads || arrived("outside") > 0) waiting.quit();
    });
    poll.start(100);
    QTimer::singleShot(60000, &waiting, &QEventLoop::quit);
    waiting.exec();
    flipping = false;
    flipper.join();
    QCOMPARE(arrived("outside"), 0);
    QVERIFY2(arrived("inside") >= FewestLoads, qPrintable(QStringLiteral("%1 loads arrived").arg(arrived("inside"))));
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::ContainmentTest)
#include "ContainmentTest.moc"
