// What a game saves, seen by a user of the real program: run after run on one home
// folder, however the program ended, on folders it cannot use, and with two copies.
#include <signal.h>

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <map>

#include "ProgramRun.h"

namespace zingbox::test {
namespace {

const QString Program = QStringLiteral(ZINGBOX_PROGRAM);
const QString CloseWindowHelper = QStringLiteral(ZINGBOX_CLOSE_WINDOW);
constexpr int ByWindow = 0;
// What the program promises: a save is on disk this long after it, whatever happens next.
constexpr int SaveReachesDiskMs = 2000;

QString SavedGamesFolder(const QTemporaryDir& home) { return home.filePath(".local/share/zingbox"); }

QString LocalStorage(const QTemporaryDir& home) {
  return SavedGamesFolder(home) + "/QtWebEngine/zingbox/Local Storage/leveldb";
}

int Complaints(const QString& standardError) {
  return static_cast<int>(standardError.split('\n').filter(QRegularExpression("^zingbox: ")).size());
}

std::map<QString, QByteArray> FilesUnder(const QString& folder) {
  std::map<QString, QByteArray> files;
  for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
    QFile file(it.next());
    if (file.open(QIODevice::ReadOnly)) files[QDir(folder).relativeFilePath(file.fileName())] = file.readAll();
  }
  return files;
}

QColor ScreenColourAt(QPoint point) {
  return QGuiApplication::primaryScreen()->grabWindow(0, point.x(), point.y(), 1, 1).toImage().pixelColor(0, 0);
}

// Plays one run to its save and ends it the given way: by its window or by a signal.
void SaveOnceAndEnd(const QTemporaryDir& home, int ending, const QString& expectFound, int complaints = 0,
                    const QStringList& wrapper = {}) {
  ProgramRun run(Program, home.path(), wrapper);
  QCOMPARE(run.WaitFor("found").value_or("never"), expectFound);
  QCOMPARE(run.WaitFor("saved").value_or("never"), QString::number(expectFound.toInt() + 1));
  if (ending == ByWindow) {
    QVERIFY(!run.WaitForWindow().isEmpty());
    run.CloseWindow(CloseWindowHelper);
  } else {
    if (ending == SIGKILL) QTest::qWait(SaveReachesDiskMs);
    run.Signal(ending);
  }
  QVERIFY(run.Ended(20000));
  if (ending != SIGKILL) QVERIFY(run.EndedCleanly());
  QCOMPARE(Complaints(run.StandardError()), complaints);
}

}  // namespace

class SavedGamesTest : public QObject {
  Q_OBJECT

 private slots:
  void whatAGameSavedIsFoundInTheNextRun_data() {
    QTest::addColumn<int>("ending");
    QTest::newRow("window closed") << ByWindow;
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP, as at a logout") << SIGHUP;
    QTest::newRow("SIGKILL shortly after the save") << SIGKILL;
  }

  void whatAGameSavedIsFoundInTheNextRun() {
    QFETCH(int, ending);
    QTemporaryDir home;
    SaveOnceAndEnd(home, ending, "");
    if (QTest::currentTestFailed()) return;
    SaveOnceAndEnd(home, ByWindow, "1");

    // Only what the movies stored is kept: nothing cached on disk, no cookies.
    const QString engineFolder = SavedGamesFolder(home) + "/QtWebEngine/zingbox";
    QVERIFY(QFileInfo(LocalStorage(home)).isDir());
    QVERIFY(!QFileInfo::exists(engineFolder + "/Cache"));
    QVERIFY(!QFileInfo::exists(engineFolder + "/Cookies"));
    QVERIFY(!QFileInfo::exists(home.filePath(".cache/zingbox")));
  }

  void aSecondCopyBringsTheRunningOneForwardAndPlaysNothing() {
    QTemporaryDir home;
    ProgramRun first(Program, home.path());
    QCOMPARE(first.WaitFor("saved").value_or("never"), QString("1"));
    const QRect window = first.WaitForWindow();
    QVERIFY(!window.isEmpty());

    const QColor Cover(0xff, 0x00, 0xff);
    QWidget cover;
    cover.setPalette(QPalette(Cover));
    cover.setAutoFillBackground(true);
    cover.setGeometry(window.adjusted(-10, -10, 10, 10));
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    QTRY_COMPARE(ScreenColourAt(window.center()), Cover);

    ProgramRun second(Program, home.path());
    QVERIFY(second.EndedCleanly());
    QCOMPARE(Complaints(second.StandardError()), 1);  // it says where its window went
    QTRY_VERIFY(ScreenColourAt(window.center()) != Cover);
    QVERIFY(!second.SaidAnything());

    first.CloseWindow(CloseWindowHelper);
    QVERIFY(first.EndedCleanly());
    SaveOnceAndEnd(home, ByWindow, "1");  // the first copy's save, and only it
  }

  void anUnusableFolderStillPlaysSaysWhyOnceAndStaysAsItWas_data() {
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("a file where the folder belongs") << false;
    QTest::newRow("a folder on a read-only mount") << true;
  }

  void anUnusableFolderStillPlaysSaysWhyOnceAndStaysAsItWas() {
    QFETCH(bool, readOnly);
    QTemporaryDir home;
    const QString folder = SavedGamesFolder(home);
    QVERIFY(QDir().mkpath(readOnly ? folder : QFileInfo(folder).path()));
    QFile mine(readOnly ? folder + "/mine.txt" : folder);
    QVERIFY(mine.open(QIODevice::WriteOnly));
    mine.write("the user's own");
    mine.close();
    const auto before = FilesUnder(QFileInfo(folder).path());

    // As root nothing is refused by permissions, so the folder is made read-only by a
    // bind mount that only the program's own mount namespace sees.
    const QStringList wrapper =
        readOnly ? QStringList{"unshare", "--map-root-user", "--mount", "sh", "-c",
                               "mount --bind -o ro \"$0\" \"$0\" && exec \"$@\"", folder}
                 : QStringList{};
    SaveOnceAndEnd(home, SIGTERM, "", 1, wrapper);  // what it saved is kept in memory
    QCOMPARE(FilesUnder(QFileInfo(folder).path()), before);
  }

  void damagedSavesAreSetAsideUntouchedAndGamesStartAfresh() {
    QTemporaryDir home;
    SaveOnceAndEnd(home, SIGTERM, "");
    if (QTest::currentTestFailed()) return;
    const QString database = LocalStorage(home);
    const QStringList manifests = QDir(database).entryList({"MANIFEST-*"});
    QCOMPARE(manifests.size(), 1);
    QFile manifest(database + "/" + manifests.first());
    QVERIFY(manifest.open(QIODevice::WriteOnly));
    manifest.write(QByteArray(64, '\x5a'));
    manifest.close();
    auto damaged = FilesUnder(database);
    damaged.erase("LOG");  // the engine's own notes on its opening, rewritten by each try

    SaveOnceAndEnd(home, SIGTERM, "", 1);
    const QStringList aside = QDir(QFileInfo(database).path()).entryList({"leveldb.damaged-*"}, QDir::Dirs);
    QCOMPARE(aside.size(), 1);
    auto kept = FilesUnder(QFileInfo(database).path() + "/" + aside.first());
    kept.erase("LOG");
    QCOMPARE(kept, damaged);

    SaveOnceAndEnd(home, ByWindow, "1");  // the fresh store keeps what is saved in it
  }
};

}  // namespace zingbox::test

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  zingbox::test::SavedGamesTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "SavedGamesTest.moc"
