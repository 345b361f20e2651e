// Where the real program takes its movies from: the user's pack folder over the bundled
// demo, a folder named on the command line over both, each pack shut in on itself; and
// how it answers on the command line, even while another copy runs.
#include <QDir>
#include <QFile>
#include <QTest>

#include "tests/e2e/storage/ProgramRun.h"

namespace zingbox::test {
namespace {

const QString Program = QStringLiteral(ZINGBOX_PROGRAM);
const QString Home = QStringLiteral(ZINGBOX_HOME);
const QString UserPack = Home + "/.local/share/zingbox/pack";
const QString Named = Home + "/Games/Classic Pack";
// As many frames as a second of the menu: time enough for a refused file to have arrived.
constexpr int FramesToWait = 30;

void Write(const QString& path, const QByteArray& content) {
  QVERIFY(QDir().mkpath(QFileInfo(path).path()));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(content);
}

// A pack folder whose menu is the test menu under `menuName`, which says it is `pack`.
void MakePack(const QString& folder, const QString& menuName, const QString& packFileName, const QByteArray& pack) {
  Write(folder + "/" + packFileName, "pack=" + pack);
  QVERIFY(QFile::copy(QFileInfo(Program).path() + "/zingbox.swf", folder + "/" + menuName));
}

// What the menu has found once it has played FramesToWait frames knowing its pack:
// "<pack>:<demo><user>" (see PackMovies.cpp).
QString FoundByTheMenu(const QStringList& arguments = {}) {
  ProgramRun run(Program, Home, {}, arguments);
  const auto knowing = [&] { return run.ArgumentsOf("files").filter(QRegularExpression("^[a-z]+:")); };
  if (!QTest::qWaitFor([&] { return knowing().size() >= FramesToWait; }, 60000))
    return "not enough frames: " + run.StandardError().right(500);
  return knowing().last();
}

}  // namespace

class PackTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(QDir(Home).removeRecursively()); }

  void theUsersPackWinsOverTheDemoWithNamesInAnyCaseAndReachesOnlyItself() {
    // The pack folder itself a link to where the user keeps it.
    QVERIFY(QDir().mkpath(Home + "/Kept/Pack"));
    QVERIFY(QDir().mkpath(QFileInfo(UserPack).path()));
    QVERIFY(QFile::link(Home + "/Kept/Pack", UserPack));
    MakePack(UserPack, "Zingbox.SWF", "PACK.TXT", "user");
    Write(UserPack + "/user.txt", "user=[user]");
    QCOMPARE(FoundByTheMenu(), "user:[user]");
  }

  void theDemoPlaysWhileTheUsersPackHasNoMenuAndReachesOnlyItself() {
    Write(UserPack + "/pack.txt", "pack=user");
    Write(UserPack + "/user.txt", "user=[user]");
    QCOMPARE(FoundByTheMenu(), "demo:[demo]");
  }

  void aFolderNamedOnTheCommandLineWinsOverBoth() {
    MakePack(UserPack, "zingbox.swf", "pack.txt", "user");
    Write(UserPack + "/user.txt", "user=[user]");
    MakePack(Named, "zingbox.swf", "pack.txt", "named");
    QCOMPARE(FoundByTheMenu({Named + "/"}), "named:");
  }

  void aNamedFolderWithoutAMenuStillOpensTheWindowQuietly() {
    MakePack(UserPack, "zingbox.swf", "pack.txt", "user");
    QVERIFY(QDir().mkpath(Named));
    ProgramRun run(Program, Home, {}, {Named});
    QVERIFY(!run.WaitForWindow().isEmpty());
    const QStringList said = run.StandardError().split('\n').filter(QRegularExpression("^zingbox(\\.pack)?: "));
    QCOMPARE(said, QStringList{"zingbox.pack: playing " + Named + " - named on the command line"});
    QCOMPARE(run.ArgumentsOf("files"), QStringList());
  }

  // Each answered at once by a copy that never reaches the window, the saved games or the
  // copy already running, which would otherwise be brought to the front.
  void theCommandLineIsAnsweredWithoutTouchingARunningCopy_data() {
    QTest::addColumn<QStringList>("wrapper");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");
    const QString file = Home + "/pack.zip";
    const QString locked = Home + "/Locked Pack";
    const QString refused = "zingbox: cannot play the pack folder %1: %2.\n";
    // As root no folder is unreadable; the copy runs without the power to ignore that.
    const QStringList withoutRootsReading{"setpriv", "--bounding-set", "-dac_override,-dac_read_search", "--"};
    QTest::newRow("--help") << QStringList() << QStringList{"--help"} << 0 << "Usage: zingbox [FOLDER]\n" << "";
    QTest::newRow("--version") << QStringList() << QStringList{"--version"} << 0 << "zingbox " ZINGBOX_VERSION "\n"
                               << "";
    QTest::newRow("unknown option") << QStringList() << QStringList{"--fullscreen"} << 2 << ""
                                    << "zingbox: unknown option --fullscreen (see zingbox --help)\n";
    QTest::newRow("missing folder") << QStringList() << QStringList{Named} << 2 << ""
                                    << refused.arg(Named, "it does not exist");
    QTest::newRow("a file") << QStringList() << QStringList{file} << 2 << "" << refused.arg(file, "it is not a folder");
    QTest::newRow("unreadable folder") << withoutRootsReading << QStringList{locked} << 2 << ""
                                       << refused.arg(locked, "it cannot be read");
  }

  void theCommandLineIsAnsweredWithoutTouchingARunningCopy() {
    QFETCH(QStringList, wrapper);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, error);
    ProgramRun running(Program, Home);
    QVERIFY(running.WaitFor("files").has_value());
    Write(Home + "/pack.zip", "PK");
    QVERIFY(QDir().mkpath(Home + "/Locked Pack"));
    QVERIFY(QFile::setPermissions(Home + "/Locked Pack", QFileDevice::WriteOwner));

    ProgramRun answering(Program, Home, wrapper, arguments);
    QVERIFY(answering.Ended(10000));
    QCOMPARE(answering.ExitCode(), exitCode);
    if (exitCode == 0)
      QVERIFY2(answering.StandardOutput().startsWith(output), qPrintable(answering.StandardOutput()));
    else
      QCOMPARE(answering.StandardOutput(), "");
    QCOMPARE(answering.StandardError(), error);
  }
};

}  // namespace zingbox::test

QTEST_MAIN(zingbox::test::PackTest)
#include "PackTest.moc"
