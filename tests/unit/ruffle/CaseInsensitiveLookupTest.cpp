#include "platform/ruffle/CaseInsensitiveLookup.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

namespace zingbox {
namespace {

// Counts how often a folder is opened for listing. Looking a name up (stat) opens nothing.
class ListingWatch {
 public:
  explicit ListingWatch(const QString& folder) : fd_(inotify_init1(IN_NONBLOCK)) {
    inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN);
  }
  ~ListingWatch() { close(fd_); }
  ListingWatch(const ListingWatch&) = delete;
  ListingWatch& operator=(const ListingWatch&) = delete;

  int Listings() {
    alignas(inotify_event) char buffer[4096];
    for (ssize_t size; (size = read(fd_, buffer, sizeof buffer)) > 0;) {
      for (char* at = buffer; at < buffer + size;) {
        const auto* event = reinterpret_cast<const inotify_event*>(at);
        if ((event->mask & IN_ISDIR) != 0 && event->len == 0) ++listings_;
        at += sizeof(inotify_event) + event->len;
      }
    }
    return listings_;
  }

 private:
  int fd_;
  int listings_ = 0;
};

QStringList warnings;

void RecordWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtWarningMsg) warnings.append(message);
}

class CaseInsensitiveLookupTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program_.isValid() && outside_.isValid());
    warnings.clear();
    previousHandler_ = qInstallMessageHandler(RecordWarning);
  }
  void TearDown() override { qInstallMessageHandler(previousHandler_); }

  QString InProgram(const QString& path) const { return QDir(program_.path()).filePath(path); }

  static void Create(const QString& path) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }

  QTemporaryDir program_;
  QTemporaryDir outside_;
  QtMessageHandler previousHandler_ = nullptr;
};

TEST_F(CaseInsensitiveLookupTest, ExactNameWinsAndListsNothing) {
  Create(InProgram(QStringLiteral("Stages/quib.swf")));
  Create(InProgram(QStringLiteral("Stages/Quib.swf")));
  CaseInsensitiveLookup lookup(program_.path());
  ListingWatch program(program_.path());
  ListingWatch stages(InProgram(QStringLiteral("Stages")));

  EXPECT_EQ(lookup.Locate(InProgram(QStringLiteral("Stages/Quib.swf"))), InProgram(QStringLiteral("Stages/Quib.swf")));
  EXPECT_EQ(lookup.Locate(InProgram(QStringLiteral("Stages/quib.swf"))), InProgram(QStringLiteral("Stages/quib.swf")));
  EXPECT_EQ(program.Listings() + stages.Listings(), 0);
  EXPECT_TRUE(warnings.isEmpty());

  // The watch does see a listing: a miss in Stages needs one.
  EXPECT_EQ(lookup.Locate(InProgram(QStringLiteral("Stages/QUIB.swf"))), InProgram(QStringLiteral("Stages/Quib.swf")));
  EXPECT_EQ(stages.Listings(), 1);
  EXPECT_EQ(program.Listings(), 0);
}

TEST_F(CaseInsensitiveLookupTest, MatchesEachFolderOfThePathInTurn) {
  Create(InProgram(QStringLiteral("Levels/Stage Ärger/Boss.SWF")));
  Create(InProgram(QStringLiteral("levels.txt")));
  Create(InProgram(QString::fromUtf8("\xF0\x90\x90\x80.swf")));  // a Deseret capital
  CaseInsensitiveLookup lookup(program_.path());

  EXPECT_EQ(lookup.Locate(InProgram(QStringLiteral("LEVELS/stage ärger/boss.swf"))),
            InProgram(QStringLiteral("Levels/Stage Ärger/Boss.SWF")));
  // Windows takes "." and ".." by the letter.
  EXPECT_EQ(lookup.Locate(InProgram(QStringLiteral("levels/./nowhere/../STAGE ÄRGER//boss.swf"))),
            InProgram(QStringLiteral("Levels/Stage Ärger/Boss.SWF")));
  EXPECT_EQ(lookup.Locate(InProgram(QString::fromUtf8("\xF0\x90\x90\xA8.SWF"))),
            InProgram(QString::fromUtf8("\xF0\x90\x90\x80.swf")));
  // Only names that differ in case meet: no partial names, no file taken for a folder.
  const QString missing[] = {QStringLiteral("levels/stage/boss.swf"), QStringLiteral("LEVELS.TXT/boss.swf"),
                             QStringLiteral("levels/stage ärger/boss.swf/x"), QStringLiteral("boss.swf")};
  for (const QString& path : missing) EXPECT_EQ(lookup.Locate(InProgram(path)), InProgram(path)) << path.toStdString();
  EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(CaseInsensitiveLookupTest, AmongSeveralMatchesTakesTheFirstInByteOrderAndSaysSoOnce) {
  for (const char* name : {"twin.SWF", "Twin.swf", "TWIN.swf", "tWin.swf", "TwIN.swf", "other.swf", "Other.swf"})
    Create(InProgram(QStringLiteral("Disk/%1").arg(QLatin1String(name))));
  CaseInsensitiveLookup lookup(program_.path());

  for (int request = 0; request < 3; ++request)
    EXPECT_EQ(lookup.Locate(InProgram(QStringLiteral("disk/twin.swf"))), InProgram(QStringLiteral("Disk/TWIN.swf")));
  ASSERT_EQ(warnings.size(), 1);
  EXPECT_TRUE(warnings.first().contains(QStringLiteral("\"twin.swf\"")));
  EXPECT_TRUE(warnings.first().contains(QStringLiteral("TWIN.swf, TwIN.swf, Twin.swf, tWin.swf, twin.SWF")));

  // Another ambiguous name is said once of its own.
  EXPECT_EQ(lookup.Locate(InProgram(QStringLiteral("Disk/OTHER.swf"))), InProgram(QStringLiteral("Disk/Other.swf")));
  EXPECT_EQ(warnings.size(), 2);
}

TEST_F(CaseInsensitiveLookupTest, NeverListsAFolderOutsideTheProgramFolder) {
  Create(QDir(outside_.path()).filePath(QStringLiteral("Secret.swf")));
  ASSERT_TRUE(QFile::link(outside_.path(), InProgram(QStringLiteral("Extras"))));
  const QString programName = QFileInfo(program_.path()).fileName();
  const QString parent = QFileInfo(program_.path()).path();
  CaseInsensitiveLookup lookup(program_.path());
  ListingWatch outside(outside_.path());
  ListingWatch above(parent);

  // Through a link, by "..", and by the program folder's own name in another case.
  const QString paths[] = {InProgram(QStringLiteral("extras/secret.swf")),
                           InProgram(QStringLiteral("Extras/secret.swf")),
                           InProgram(QStringLiteral("../%1/secret.swf").arg(QFileInfo(outside_.path()).fileName())),
                           parent + QLatin1Char('/') + programName.toUpper() + QStringLiteral("/extras")};
  for (const QString& path : paths) EXPECT_EQ(lookup.Locate(path), path) << path.toStdString();
  EXPECT_EQ(outside.Listings(), 0);
  EXPECT_EQ(above.Listings(), 0);
}

TEST_F(CaseInsensitiveLookupTest, AMissingProgramFolderListsNothing) {
  const QString gone = InProgram(QStringLiteral("gone"));
  CaseInsensitiveLookup lookup(gone);
  ListingWatch program(program_.path());
  EXPECT_EQ(lookup.Locate(InProgram(QStringLiteral("GONE/a.swf"))), InProgram(QStringLiteral("GONE/a.swf")));
  EXPECT_EQ(program.Listings(), 0);
}

}  // namespace
}  // namespace zingbox
