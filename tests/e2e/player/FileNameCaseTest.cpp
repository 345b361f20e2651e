// Movies made on Windows find their files whatever the case of the names they ask for,
// as the program's own movies do, and a name that matches only without regard to case
// still never reaches outside the program folder.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "platform/qt/QtProgramFolder.h"
#include "shell/MenuCommands.h"
#include "tests/e2e/player/MovieFrames.h"
#include "tests/e2e/player/PlayerHarness.h"
#include "tests/support/ShownMessage.h"

namespace zingbox::test {
namespace {

// The build writes the movies of WindowsDiskMovies.cpp into this folder.
QString OnDisk(const QString& file) { return PlayerHarness::ProgramFolder() + "/Windows Disk/" + file; }

// The program names a movie as its folder, a backslash and the file name.
std::u16string AskedFor(const QString& file) {
  return (PlayerHarness::ProgramFolder() + "/Windows Disk\\" + file).toStdU16String();
}

// Puts a copy of `source`, or a link to it, where a former run may have left one.
bool Place(const QString& source, const QString& path, bool asLink) {
  QFile::remove(path);
  return asLink ? QFile::link(source, path) : QFile::copy(source, path);
}

}  // namespace

class FileNameCaseTest : public QObject {
  Q_OBJECT

  QTemporaryDir outside_;
  std::unique_ptr<PlayerHarness> harness_;

  bool LoadAndWaitFor(const QString& movie, const QString& command, const QString& args) {
    harness_->ForgetCommands();
    harness_->Player().SetMovie(AskedFor(movie));
    return harness_->WaitForCommand(command, args);
  }

 private slots:
  void initTestCase() {
    QFile level(OnDisk("Stages/level.txt"));
    QVERIFY(QDir().mkpath(OnDisk("Stages")) && level.open(QIODevice::WriteOnly));
    QCOMPARE(level.write("level=3"), 7);
    level.close();
    // The catalogue's "\quib.swf" as a copy from a Windows disk may name it.
    QVERIFY(Place(OnDisk("Piece.swf"), PlayerHarness::ProgramFolder() + "/Quib.SWF", false));
    const QString escaped = QDir(outside_.path()).filePath("escaped.swf");
    QVERIFY(Place(OnDisk("escaped.swf"), escaped, false));
    QVERIFY(Place(escaped, OnDisk("Escape.swf"), true));
    QVERIFY(Place(outside_.path(), OnDisk("Extras"), true));
    harness_ = std::make_unique<PlayerHarness>();
  }

  void cleanupTestCase() { harness_.reset(); }

  void moviesFindTheirFilesInAnyCaseButNothingOutside() {
    QVERIFY(LoadAndWaitFor("into_clip.swf", "piece", "arrived"));
    QVERIFY(harness_->WaitForCommand("level", "3"));
    // The links were asked for in the same frame, so their silence is the refusal.
    QVERIFY(PlayFrames(*harness_, FramesPerSecond));
    QCOMPARE(harness_->CountOf("escaped"), 0);

    QVERIFY(LoadAndWaitFor("into_level.swf", "piece", "arrived"));
  }

  void programFindsItsMoviesInAnyCase() {
    harness_->ForgetCommands();
    ShellState state;
    flash_FSCommand(state, harness_->Player(), QtProgramFolder(), u"game", u"quib");
    QVERIFY(harness_->WaitForCommand("piece", "arrived"));

    // The exact name wins; else "TWIN.swf", before "Twin.swf" byte by byte, said once.
    const QRegularExpression ambiguity("Several files .* \"twin.swf\"");
    QTest::failOnWarning(ambiguity);
    QVERIFY(LoadAndWaitFor("Twin.swf", "twin", "mixed"));
    QTest::ignoreMessage(QtWarningMsg, ambiguity);
    for (int load = 0; load < 2; ++load) QVERIFY(LoadAndWaitFor("twin.swf", "twin", "upper"));
  }

  void refusedAndMissingMoviesAreNamedAsAskedFor_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    // A movie that is itself a link in the folder plays; one in a linked folder does not.
    QTest::newRow("link out") << "Extras/escaped.swf" << "pack folder";
    QTest::newRow("missing") << "STAGES/Bonus.swf" << "does not exist";
  }

  void refusedAndMissingMoviesAreNamedAsAskedFor() {
    QFETCH(QString, file);
    QFETCH(QString, reason);
    harness_->Player().SetMovie(AskedFor(file));
    QTRY_COMPARE_WITH_TIMEOUT(MessageShownBy(harness_->Player()).file, QString::fromStdU16String(AskedFor(file)), 20000);
    const QString said = MessageShownBy(harness_->Player()).reason;
    QVERIFY2(said.contains(reason), qPrintable(said));
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::FileNameCaseTest)
#include "FileNameCaseTest.moc"
