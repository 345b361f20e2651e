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

// Where the build writes the movies of WindowsDiskMovies.cpp.
constexpr char DiskFolder[] = "Windows Disk";

QString OnDisk(const QString& file) {
  return QDir(PlayerHarness::ProgramFolder()).filePath(QLatin1String(DiskFolder) + QLatin1Char('/') + file);
}

std::u16string AskedFor(const QString& fileOnDisk) {
  return PlayerHarness::MoviePath(QLatin1String(DiskFolder) + QLatin1Char('\\') + fileOnDisk);
}

// Replaces whatever a former run left at `path` with a copy of `source`.
void Copy(const QString& source, const QString& path) {
  QFile::remove(path);
  QVERIFY2(QFile::copy(source, path), qPrintable(path));
}

void Link(const QString& target, const QString& path) {
  QFile::remove(path);
  QVERIFY2(QFile::link(target, path), qPrintable(path));
}

void Write(const QString& path, const QByteArray& content) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  QCOMPARE(file.write(content), content.size());
}

}  // namespace

class FileNameCaseTest : public QObject {
  Q_OBJECT

  QTemporaryDir outside_;
  std::unique_ptr<PlayerHarness> harness_;

  // What the player's message says in the element `id`; empty while there is none.
  QString MessageText(const char* id) {
    return harness_->EvaluateInPage(
        QStringLiteral("document.getElementById('message')?.hidden === false ? "
                       "document.getElementById('%1').textContent : ''")
            .arg(QLatin1String(id)));
  }

  // Loads the movie and waits until it, or what it loads, says (command, args).
  bool LoadAndWaitFor(const std::u16string& movie, const QString& command, const QString& args) {
    harness_->ForgetCommands();
    harness_->Player().SetMovie(movie);
    return harness_->WaitForCommand(command, args);
  }

 private slots:
  void initTestCase() {
    // On disk the names differ in case from what the movies and the program ask for.
    const QDir program(PlayerHarness::ProgramFolder());
    QVERIFY(!QFile::exists(program.filePath(QStringLiteral("quib.swf"))));
    Copy(OnDisk(QStringLiteral("Piece.swf")), program.filePath(QStringLiteral("Quib.SWF")));
    QVERIFY(QDir().mkpath(OnDisk(QStringLiteral("Stages"))));
    Copy(OnDisk(QStringLiteral("Piece.swf")), OnDisk(QStringLiteral("Stages/Bonus.swf")));
    Write(OnDisk(QStringLiteral("Stages/level.txt")), "level=3");

    // Links that match the movies' names only without regard to case, both leading out.
    QVERIFY(outside_.isValid());
    const QDir outside(outside_.path());
    Copy(OnDisk(QStringLiteral("escaped.swf")), outside.filePath(QStringLiteral("escaped.swf")));
    Link(outside.filePath(QStringLiteral("escaped.swf")), OnDisk(QStringLiteral("Escape.swf")));
    Link(outside.path(), OnDisk(QStringLiteral("Extras")));
    harness_ = std::make_unique<PlayerHarness>();
  }

  void cleanupTestCase() { harness_.reset(); }

  void movieLoadsASiblingNamedInAnotherCase_data() {
    QTest::addColumn<QString>("loader");
    QTest::newRow("into _level0") << QStringLiteral("into_level.swf");
    QTest::newRow("into a clip") << QStringLiteral("into_clip.swf");
  }

  void movieLoadsASiblingNamedInAnotherCase() {
    QFETCH(QString, loader);
    QVERIFY(LoadAndWaitFor(AskedFor(loader), QStringLiteral("piece"), QStringLiteral("arrived")));
  }

  void folderNamedInAnotherCaseToo() {
    QVERIFY(LoadAndWaitFor(AskedFor(QStringLiteral("into_folder.swf")), QStringLiteral("piece"),
                           QStringLiteral("arrived")));
    QVERIFY(harness_->WaitForCommand(QStringLiteral("level"), QStringLiteral("3")));
  }

  void catalogueMovieSavedInCapitals() {
    harness_->ForgetCommands();
    ShellState state;
    flash_FSCommand(state, harness_->Player(), QtProgramFolder(), u"game", u"quib");
    QVERIFY(harness_->WaitForCommand(QStringLiteral("piece"), QStringLiteral("arrived")));
  }

  void exactNameWinsAndOtherwiseTheFirstInByteOrderOnce() {
    const QRegularExpression ambiguity(QStringLiteral("Several files .* \"twin.swf\""));
    QTest::failOnWarning(ambiguity);
    QVERIFY(LoadAndWaitFor(AskedFor(QStringLiteral("Twin.swf")), QStringLiteral("twin"), QStringLiteral("mixed")));

    // "TWIN.swf" comes before "Twin.swf" byte by byte; asked for twice, said once.
    QTest::ignoreMessage(QtWarningMsg, ambiguity);
    for (int load = 0; load < 2; ++load) {
      QVERIFY(LoadAndWaitFor(AskedFor(QStringLiteral("twin.swf")), QStringLiteral("twin"), QString()));
      QCOMPARE(harness_->LatestArgs(QStringLiteral("twin")), QStringLiteral("upper"));
    }
  }

  void linksLeadingOutsideAreRefusedWhateverTheCase() {
    // Asked for in the same frame: the file beside it arriving shows loading works.
    QVERIFY(LoadAndWaitFor(AskedFor(QStringLiteral("escape_attempts.swf")), QStringLiteral("piece"),
                           QStringLiteral("arrived")));
    const int ticksThen = harness_->CountOf(QStringLiteral("tick"));
    QTRY_VERIFY_WITH_TIMEOUT(harness_->CountOf(QStringLiteral("tick")) >= ticksThen + 30, 20000);
    QCOMPARE(harness_->CountOf(QStringLiteral("escaped")), 0);

    const std::u16string escape = AskedFor(QStringLiteral("ESCAPE.SWF"));
    harness_->Player().SetMovie(escape);
    QTRY_COMPARE_WITH_TIMEOUT(MessageText("message-file"), QString::fromStdU16String(escape), 20000);
    QVERIFY2(MessageText("message-reason").contains(QStringLiteral("program folder")),
             qPrintable(MessageText("message-reason")));
    QCOMPARE(harness_->CountOf(QStringLiteral("escaped")), 0);
  }

  void reallyMissingMovieIsNamedAsAskedFor() {
    const std::u16string missing = AskedFor(QStringLiteral("STAGES\\Bonus2.swf"));
    harness_->Player().SetMovie(missing);
    QTRY_COMPARE_WITH_TIMEOUT(MessageText("message-file"), QString::fromStdU16String(missing), 20000);
    QVERIFY(MessageText("message-reason").contains(QStringLiteral("does not exist")));
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::FileNameCaseTest)
#include "FileNameCaseTest.moc"
