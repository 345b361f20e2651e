// What the player shows for a path that names no playable movie, and that it plays
// the next one all the same; and a damaged installation named rather than a blank area.
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "tests/e2e/player/PlayerHarness.h"
#include "tests/support/ShownMessage.h"

namespace zingbox::test {
namespace {

void WriteFile(const QString& path, const QByteArray& content) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  QCOMPARE(file.write(content), content.size());
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class FailureTest : public QObject {
  Q_OBJECT

  std::unique_ptr<PlayerHarness> harness_;
  QTemporaryDir outside_;

  QString PageMessage() { return MessageTextShownBy(harness_->Player()); }

 private slots:
  void initTestCase() {
    const QDir program(PlayerHarness::ProgramFolder());
    WriteFile(program.filePath(QStringLiteral("empty.swf")), {});
    WriteFile(program.filePath(QStringLiteral("text.swf")), "this is no movie\n");
    const QByteArray counter = ReadFile(program.filePath(QStringLiteral("counter.swf")));
    QVERIFY(counter.size() > 1000);
    WriteFile(program.filePath(QStringLiteral("truncated.swf")), counter.left(counter.size() / 2));
    // A compressed movie states only its unpacked length, so the engine finds this out itself.
    WriteFile(program.filePath(QStringLiteral("damaged.swf")), QByteArray("CWS\x08\x00\x10\x00\x00", 8) + QByteArray(4096, 'x'));
    WriteFile(QDir(outside_.path()).filePath("plain.swf"), ReadFile(program.filePath("plain.swf")));
    const QByteArray pipe = QFile::encodeName(program.filePath(QStringLiteral("pipe.swf")));
    ::unlink(pipe.constData());
    QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
    harness_ = std::make_unique<PlayerHarness>();
  }

  void cleanupTestCase() { harness_.reset(); }

  void unplayableMovieIsNamedAndTheNextOnePlays_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");
    const auto inFolder = [](const char* file) { return QString::fromStdU16String(PlayerHarness::MoviePath(file)); };
    QTest::newRow("empty") << inFolder("empty.swf") << "empty";
    QTest::newRow("no movie") << inFolder("text.swf") << "not a Flash movie";
    QTest::newRow("truncated") << inFolder("truncated.swf") << "incomplete";
    QTest::newRow("damaged") << inFolder("damaged.swf") << "could not read it";
    QTest::newRow("folder") << inFolder("player") << "This is a folder, not a movie file.";
    QTest::newRow("named pipe") << inFolder("pipe.swf") << "This is a named pipe, not a movie file.";
    QTest::newRow("outside") << QDir(outside_.path()).filePath("plain.swf") << "inside the pack folder";
  }

  void unplayableMovieIsNamedAndTheNextOnePlays() {
    QFETCH(QString, path);
    QFETCH(QString, reason);
    harness_->Player().SetMovie(path.toStdU16String());
    QTRY_VERIFY_WITH_TIMEOUT(PageMessage().contains(path), 20000);
    QVERIFY2(PageMessage().contains(reason), qPrintable(PageMessage()));
    QTRY_COMPARE(harness_->EvaluateInPage("document.querySelectorAll('ruffle-player').length"), "0");

    QVERIFY(harness_->LoadAndWaitFor("plain.swf", "started", "plain"));
    QVERIFY(harness_->WaitForPixel({160, 120}, QColor(0x20, 0x40, 0xff)));
    QCOMPARE(PageMessage(), QString());
  }

  void damagedInstallationIsNamed_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("keptHalves");
    QTest::addColumn<QString>("reason");
    // The engine's file is found empty before any page loads; a page script cut off, as by
    // a full disk, keeps the page from getting ready.
    QTest::newRow("empty engine") << "ruffle/ruffle.js" << 0 << "missing or empty";
    QTest::newRow("cut-off script") << "options.js" << 1 << "damaged";
  }

  void damagedInstallationIsNamed() {
    QFETCH(QString, file);
    QFETCH(int, keptHalves);
    QFETCH(QString, reason);
    QTemporaryDir program;
    const QString playerFolder = QDir(program.path()).filePath("player");
    QCOMPARE(QProcess::execute("cp", {"-r", PlayerHarness::ProgramFolder() + "/player", playerFolder}), 0);
    QFile damaged(QDir(playerFolder).filePath(file));
    QVERIFY(damaged.resize(damaged.size() * keptHalves / 2));

    RufflePlayer player(nullptr, program.path());
    player.resize(400, 300);
    player.show();
    player.SetMovie(PlayerHarness::MoviePath("plain.swf"));
    QTRY_COMPARE_WITH_TIMEOUT(MessageShownBy(player).title, QStringLiteral("The Flash player cannot start."), 25000);
    QCOMPARE(MessageShownBy(player).file, QDir::toNativeSeparators(damaged.fileName()));
    QVERIFY2(MessageShownBy(player).reason.contains(reason), qPrintable(MessageShownBy(player).reason));
  }
};

}  // namespace zingbox::test

ZINGBOX_PLAYER_TEST_MAIN(zingbox::test::FailureTest)
#include "FailureTest.moc"
