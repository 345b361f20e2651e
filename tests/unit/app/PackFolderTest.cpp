#include "app/PackFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <ostream>

// Failures name the folders as text.
void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace zingbox {
namespace {

class PackFolderTest : public testing::Test {
 protected:
  QString Folder(const QString& name) {
    const QString folder = root_.filePath(name);
    EXPECT_TRUE(QDir().mkpath(folder));
    return folder;
  }
  void Write(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("FWS");
  }
  QString Chosen(const QString& named, const QString& userPack) {
    return ChoosePackFolder(named, userPack, program_).path;
  }

  QTemporaryDir root_;
  const QString program_ = Folder("program");
};

TEST_F(PackFolderTest, NamedFolderWinsOverUsersPackWhichWinsOverTheProgramFolderOnlyWithItsMenu) {
  const QString named = Folder("named");  // without a menu: the player area will say so
  const QString user = Folder("user");
  Write(user + "/krell.swf");
  EXPECT_EQ(Chosen(named, user), named);
  EXPECT_EQ(Chosen("", user), program_) << "a pack without its menu is not taken";
  EXPECT_EQ(Chosen("", root_.filePath("never made")), program_);
  Folder("user/zingbox.swf");
  EXPECT_EQ(Chosen("", user), program_) << "a folder under the menu's name is no menu";

  const QString windowsCopy = Folder("windows copy");
  Write(windowsCopy + "/ZingBox.SWF");
  EXPECT_EQ(Chosen(named, windowsCopy), named);
  EXPECT_EQ(Chosen("", windowsCopy), windowsCopy);

  const QString linked = Folder("linked");
  ASSERT_EQ(::symlink(QFile::encodeName(windowsCopy + "/ZingBox.SWF").constData(),
                      QFile::encodeName(linked + "/zingbox.swf").constData()), 0);
  EXPECT_EQ(Chosen("", linked), linked) << "a menu may be a link to a copy kept elsewhere";
}

TEST_F(PackFolderTest, NamedFolderIsRefusedWhenItIsNoFolder) {
  const QString file = root_.filePath("pack.zip");
  Write(file);
  EXPECT_EQ(UnusableFolderReason(root_.filePath("gone")), "it does not exist");
  EXPECT_EQ(UnusableFolderReason(file), "it is not a folder");
  EXPECT_EQ(UnusableFolderReason(program_), "");
}

}  // namespace
}  // namespace zingbox
