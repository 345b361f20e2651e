// The committed pictures are the generator's output: drawing them again must give the
// same bytes, or someone changed the art without committing it (or the other way round).
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>

namespace zingbox::test {
namespace {

std::string ReadAll(const QString& path) {
  std::ifstream file(path.toStdString(), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

TEST(Regeneration, GivesTheCommittedFilesByteForByte) {
  QTemporaryDir scratch;
  ASSERT_TRUE(scratch.isValid());
  QProcess generator;
  generator.start(ZINGBOX_ASSETGEN, {scratch.filePath("assets"), scratch.filePath("hicolor")});
  ASSERT_TRUE(generator.waitForFinished(120000));
  ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

  QStringList files = {"zingbox.ico"};
  for (const char* name : {"Image1", "Image2", "Image3", "Image4", "Image5", "Image6", "Image7", "top_left",
                           "top_right", "topp", "top_lf", "top_rf", "leftt", "rightt", "bott", "bot_lf", "bot_rf",
                           "leftf", "rightf"})
    files << QString(name) + ".gif";
  for (const QString& file : files) {
    EXPECT_EQ(ReadAll(scratch.filePath("assets/" + file)), ReadAll(ZINGBOX_SOURCE_DIR "/window/assets/" + file))
        << file.toStdString();
  }
  for (const char* size : {"48x48", "64x64", "128x128", "256x256"}) {
    const QString icon = QString(size) + "/apps/zingbox.png";
    EXPECT_EQ(ReadAll(scratch.filePath("hicolor/" + icon)),
              ReadAll(ZINGBOX_SOURCE_DIR "/packaging/icons/hicolor/" + icon))
        << icon.toStdString();
  }
}

}  // namespace
}  // namespace zingbox::test
