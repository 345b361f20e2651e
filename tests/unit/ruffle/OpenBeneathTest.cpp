#include "platform/ruffle/OpenBeneath.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace zingbox {
namespace {

// A movies' folder with a file of each kind, links that stay inside and links that lead
// out of it; the file outside holds "outside".
class OpenBeneathTest : public testing::Test {
 protected:
  void SetUp() override {
    Write(QDir(outside_.path()).filePath(QStringLiteral("secret.txt")), "outside");
    Write(In("movie.txt"), "inside");
    ASSERT_TRUE(QDir().mkpath(In("levels/deeper")));
    Write(In("levels/deeper/level.txt"), "inside");
    ASSERT_EQ(::mkfifo(Name("pipe.txt").constData(), 0600), 0);
    Link("beside.txt", "movie.txt");
    Link("levels/up.txt", "../movie.txt");
    Link("absolute.txt", QFile::encodeName(outside_.path()) + "/secret.txt");
    Link("climbing.txt", "../" + QFile::encodeName(QDir(outside_.path()).dirName()) + "/secret.txt");
    Link("extras", QFile::encodeName(outside_.path()));
    folder_ = ::open(QFile::encodeName(folder_path_.path()).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(folder_, 0);
  }
  void TearDown() override { ::close(folder_); }

  QString In(const char* path) const { return QDir(folder_path_.path()).filePath(QLatin1String(path)); }
  QByteArray Name(const char* path) const { return QFile::encodeName(In(path)); }
  static void Write(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
  }
  void Link(const char* name, const QByteArray& target) const {
    ASSERT_EQ(::symlink(target.constData(), Name(name).constData()), 0);
  }

  // What the descriptor reads, or "refused" when there is none.
  static QByteArray Read(int fd) {
    if (fd < 0) return "refused";
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) return "unreadable";
    return file.readAll();
  }

  QTemporaryDir outside_;
  QTemporaryDir folder_path_;
  int folder_ = -1;
};

TEST_F(OpenBeneathTest, ServesRegularFilesOfTheFolderAndNothingElse) {
  const struct {
    const char* path;
    const char* read;  // by the path, and with the last link followed
    const char* followingLast;
  } cases[] = {
      {"movie.txt", "inside", "inside"},
      {"levels/deeper/level.txt", "inside", "inside"},
      {"./levels//deeper/level.txt", "inside", "inside"},
      {"beside.txt", "inside", "inside"},
      {"levels/up.txt", "inside", "inside"},
      // A pipe is refused at once, not waited on; a folder is no file.
      {"pipe.txt", "refused", "refused"},
      {"levels", "refused", "refused"},
      {"missing.txt", "refused", "refused"},
      // Out of the folder by "..", by an absolute path, through a link to a folder.
      {"levels/../../secret.txt", "refused", "refused"},
      {"extras/secret.txt", "refused", "refused"},
      {"/etc/hostname", "refused", "refused"},
      // Out of the folder by the link itself: only for a file the program chose.
      {"absolute.txt", "refused", "outside"},
      {"climbing.txt", "refused", "outside"},
  };
  for (const auto& each : cases) {
    EXPECT_EQ(Read(OpenRegularFileBeneath(folder_, each.path)), each.read) << each.path;
    EXPECT_EQ(Read(OpenRegularFileBeneathFollowingLast(folder_, each.path)), each.followingLast) << each.path;
  }
}

// Where the kernel has no openat2, the path is walked with no link followed at all.
TEST_F(OpenBeneathTest, WalkWithoutOpenat2FollowsNoLink) {
  const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC;
  EXPECT_EQ(Read(detail::OpenBeneathByWalk(folder_, "levels/deeper/level.txt", flags)), "inside");
  EXPECT_EQ(Read(detail::OpenBeneathByWalk(folder_, "./levels//deeper/level.txt", flags)), "inside");
  for (const char* path : {"beside.txt", "absolute.txt", "climbing.txt", "extras/secret.txt", "levels/../movie.txt",
                           "/etc/hostname", "missing.txt"})
    EXPECT_EQ(Read(detail::OpenBeneathByWalk(folder_, path, flags)), "refused") << path;
}

}  // namespace
}  // namespace zingbox
