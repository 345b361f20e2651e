#include "platform/ruffle/CaseInsensitiveLookup.h"

#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace zingbox {
namespace {

// Counts the listings of a folder: opening it is one, looking a name up in it is none.
class Listings {
 public:
  explicit Listings(const QString& folder) : fd_(inotify_init1(IN_NONBLOCK)) {
    inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN | IN_ONLYDIR);
  }
  ~Listings() { close(fd_); }
  int Count() {
    alignas(inotify_event) char events[4096];
    for (ssize_t size; (size = read(fd_, events, sizeof events)) > 0;)
      for (char* at = events; at < events + size; at += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(at)->len)
        count_ += reinterpret_cast<inotify_event*>(at)->len == 0 ? 1 : 0;
    return count_;
  }

 private:
  int fd_;
  int count_ = 0;
};

QStringList warnings;

class CaseInsensitiveLookupTest : public testing::Test {
 protected:
  void SetUp() override {
    warnings.clear();
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { warnings.append(text); });
  }
  void TearDown() override { qInstallMessageHandler(nullptr); }

  QString In(const QString& path) const { return program_.filePath(path); }
  static void Create(const QString& path) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()) && QFile(path).open(QIODevice::WriteOnly));
  }

  QTemporaryDir program_;
  QTemporaryDir outside_;
};

TEST_F(CaseInsensitiveLookupTest, ExactNameWinsWithoutAListingAndAMissMatchesFolderByFolder) {
  for (const char* file : {"Levels/quib.swf", "Levels/Quib.swf", "Levels/Stage Ärger/Boss.SWF", "levels.txt", "𐐀.swf"})
    Create(In(QString::fromUtf8(file)));
  CaseInsensitiveLookup lookup(program_.path());
  Listings program(program_.path());
  Listings levels(In(QStringLiteral("Levels")));

  EXPECT_EQ(lookup.Locate(In(QStringLiteral("Levels/quib.swf"))), In(QStringLiteral("Levels/quib.swf")));
  EXPECT_EQ(program.Count() + levels.Count(), 0);
  EXPECT_EQ(lookup.Locate(In(QStringLiteral("Levels/QUIB.swf"))), In(QStringLiteral("Levels/Quib.swf")));
  EXPECT_EQ(levels.Count(), 1);  // the watch sees a listing when there is one

  // Windows takes "." and ".." by the letter.
  EXPECT_EQ(lookup.Locate(In(QStringLiteral("LEVELS/./none/../stage ärger//boss.swf"))),
            In(QStringLiteral("Levels/Stage Ärger/Boss.SWF")));
  EXPECT_EQ(lookup.Locate(In(QStringLiteral("𐐨.SWF"))), In(QStringLiteral("𐐀.swf")));
  // No part of a name, no file taken for a folder: what does not match stays as asked.
  for (const QString& path : {QStringLiteral("levels/stage/boss.swf"), QStringLiteral("LEVELS.TXT/boss.swf"),
                              QStringLiteral("levels/stage ärger/boss.swf/x")})
    EXPECT_EQ(lookup.Locate(In(path)), In(path));
  EXPECT_EQ(warnings.size(), 1);  // for the two quibs only
}

TEST_F(CaseInsensitiveLookupTest, AmongSeveralMatchesTakesTheFirstInByteOrderAndSaysSoOnce) {
  for (const char* file : {"twin.SWF", "Twin.swf", "TWIN.swf", "tWin.swf", "TwIN.swf", "other.swf", "Other.swf"})
    Create(In(QLatin1String(file)));
  CaseInsensitiveLookup lookup(program_.path());

  for (int request = 0; request < 3; ++request)
    EXPECT_EQ(lookup.Locate(In(QStringLiteral("twin.swf"))), In(QStringLiteral("TWIN.swf")));
  ASSERT_EQ(warnings.size(), 1);
  EXPECT_TRUE(warnings[0].contains(QStringLiteral("\"twin.swf\"")));
  EXPECT_TRUE(warnings[0].contains(QStringLiteral("TWIN.swf, TwIN.swf, Twin.swf, tWin.swf, twin.SWF")));
  EXPECT_EQ(lookup.Locate(In(QStringLiteral("OTHER.swf"))), In(QStringLiteral("Other.swf")));
  EXPECT_EQ(warnings.size(), 2);
}

TEST_F(CaseInsensitiveLookupTest, NeverListsAFolderOutsideTheProgramFolder) {
  Create(QDir(outside_.path()).filePath(QStringLiteral("Secret.swf")));
  ASSERT_TRUE(QFile::link(outside_.path(), In(QStringLiteral("Extras"))));
  const QFileInfo program(program_.path());
  CaseInsensitiveLookup lookup(program_.path());
  Listings outside(outside_.path());
  Listings above(program.path());

  // Through a link, by "..", and by the program folder's own name in another case.
  for (const QString& path : {In(QStringLiteral("extras/secret.swf")), In(QStringLiteral("Extras/secret.swf")),
                              In(QStringLiteral("../") + QFileInfo(outside_.path()).fileName() + QStringLiteral("/secret.swf")),
                              program.path() + QLatin1Char('/') + program.fileName().toUpper() + QStringLiteral("/extras")})
    EXPECT_EQ(lookup.Locate(path), path);
  EXPECT_EQ(outside.Count() + above.Count(), 0);
  // Nor anything at all when the program folder itself is gone.
  CaseInsensitiveLookup orphan(In(QStringLiteral("gone")));
  Listings beside(program_.path());
  EXPECT_EQ(orphan.Locate(In(QStringLiteral("GONE/a.swf"))), In(QStringLiteral("GONE/a.swf")));
  EXPECT_EQ(beside.Count(), 0);
}

}  // namespace
}  // namespace zingbox
