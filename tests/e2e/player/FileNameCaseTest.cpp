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
#include "tests/e2e/player/PlayerHarness.h"

namespace zingbox::test {
namespace {

// The build writes the movies of WindowsDiskMovies.cpp into this folder.
QString OnDisk(const QString& file) { return PlayerHarness::ProgramFolder() + QStringLiteral("/Windows Disk/") + file; }

// The program names a movie as its folder, a backslash and the file name.
std::u16string AskedFor(const QString& file) {
  return (PlayerHarness::ProgramFolder() + QStringLiteral("/Windows Disk\\") + file).toStdU16String();
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

  bool LoadAndWaitFor(const std::u16string& movie, const QString& command, const QString& args) {
    harness_->ForgetCommands();
    harness_->Player().SetMovie(movie);
    return harness_->WaitForCommand(command, args);
  }

  QString Message(const QString& part) {
    return harness_->EvaluateInPage(
        QStringLiteral("document.getElementById('message')?.hidden === false ? "
                       "document.getElementById('message-%1').textContent : ''").arg(part));
  }

 private slots:
  void initTestCase() {
    QFile level(OnDisk(QStringLiteral("Stages/level.txt")));
    QVERIFY(QDir().mkpath(OnDisk(QStringLiteral("Stages"))) && level.open(QIODevice::WriteOnly));
    QCOMPARE(level.write("level=3"), 7);
    level.close();
    // The catalogue's "\quib.swf" as a copy from a Windows disk may name it.
    QVERIFY(Place(OnDisk(QStringLiteral("Piece.swf")), PlayerHarness::ProgramFolder() + QStringLiteral("/Quib.SWF"), false));
    const QString escaped = QDir(outside_.path()).filePath(QStringLiteral("escaped.swf"));
    QVERIFY(Place(OnDisk(QStringLiteral("escaped.swf")), escaped, false));
    QVERIFY(Place(escaped, OnDisk(QStringLiteral("Escape.swf")), true));
    QVERIFY(Place(outside_.path(), OnDisk(QStringLiteral("Extras")), true));
    harness_ = std::make_unique<PlayerHarness>();
  }

  void cleanupTestCase() { harness_.reset(); }

  void moviesFindTheirFilesInAnyCaseButNothingOutside() {
    QVERIFY(LoadAndWaitFor(AskedFor(QStringLiteral("into_clip.swf")), QStringLiteral("piece"), QStringLiteral("arrived")));
    QVERIFY(harness_->WaitForCommand(QStringLiteral("level"), QStringLiteral("3")));
    // The links were asked for in the same frame, so their silence is the refusal.
    const int ticksThen = harness_->CountOf(QStringLiteral("tick"));
    QTRY_VERIFY_WITH_TIMEOUT(harness_->CountOf(QStringLiteral("tick")) >= ticksThen + 30, 20000);
    QCOMPARE(harness_->CountOf(QStringLiteral("escaped")), 0);

    QVERIFY(LoadAndWaitFor(AskedFor(QStringLiteral("into_level.swf")), QStringLiteral("piece"), QStringLiteral("arrived")));
  }

  void programFindsItsMoviesInAnyCase() {
    harness_->ForgetCommands();
    ShellState state;
    flash_FSCommand(state, harness_->Player(), QtProgramFolder(), u"game", u"quib");
    QVERIFY(harness_->WaitForCommand(QStringLiteral("piece"), QStringLiteral("arrived")));

    // The exact name wins; else "TWIN.swf", before "Twin.swf" byte by byte, said once.
    const QRegularExpression ambiguity(QStringLiteral("Several files .* \"twin.swf\""));
    QTest::failOnWarning(ambiguity);
    QVERIFY(LoadAndWaitFor(AskedFor(QStringLiteral("Twin.swf")), QStringLiteral("twin"), QStringLiteral("mixed")));
    QTest::ignoreMessage(QtWarningMsg, ambiguity);
    for (int load = 0; load < 2; ++load)
      QVERIFY(LoadAndWaitFor(AskedFor(QStringLiteral("twin.swf")), QStringLiteral("twin"), QStringLiteral("upper")));
  }

  void refusedAndMissingMoviesAreNamedAsAskedFor_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    // A movie that is itself a link in the folder plays; one in a linked folder does not.
    QTest::newRow("link out") << QStringLiteral("Extras/escaped.swf") << QStringLiteral("program folder");
    QTest::newRow("missing") << QStringLiteral("STAGES/Bonus.swf") << QStringLiteral("does not exist");
  }

  void refusedAndMissingMoviesAreNamedAsAskedFor() {
    QFETCH(QString, file);
    QFETCH(QString, reason);
    const std::u16string asked = AskedFor(file);
    harness_->Player().SetMovie(asked);
    QTRY_COMPARE_WITH_TIMEOUT(Message(QStringLiteral("file")), QString::fromStdU16String(asked), 20000);
    QVERIFY2(Message(QStringLiteral("reason")).contains(reason), qPrintable(Message(QStringLiteral("reason"))));
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::FileNameCaseTest)
#include "FileNameCaseTest.moc"
