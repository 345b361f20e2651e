// The committed pictures are the generator's output: drawing them again must give the
// same pictures, or someone changed the art without committing it (or the other way round).
#include <gtest/gtest.h>

#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>
#include <vector>

namespace zingbox::test {
namespace {

// Qt's antialiasing may round a blended edge pixel a level or two differently on another
// processor, which moves a palette entry by as much; changed art moves far more.
constexpr int DrawingNoise = 3;

std::vector<QImage> Frames(const QString& path) {
  QImageReader reader(path);
  std::vector<QImage> frames;
  do {
    const QImage frame = reader.read();
    if (frame.isNull()) break;
    frames.push_back(frame.convertToFormat(QImage::Format_ARGB32));
  } while (reader.jumpToNextImage());
  return frames;
}

bool WithinNoise(QRgb a, QRgb b) {
  return qAlpha(a) == qAlpha(b) && std::abs(qRed(a) - qRed(b)) <= DrawingNoise &&
         std::abs(qGreen(a) - qGreen(b)) <= DrawingNoise && std::abs(qBlue(a) - qBlue(b)) <= DrawingNoise;
}

// Empty when the files show the same pictures, else where they first differ.
std::string FirstDifference(const QString& drawn, const QString& committed) {
  const std::vector<QImage> ours = Frames(drawn), theirs = Frames(committed);
  if (ours.empty() || ours.size() != theirs.size()) return "the number of images differs or none reads";
  for (size_t i = 0; i < ours.size(); ++i) {
    if (ours[i].size() != theirs[i].size()) return "image " + std::to_string(i) + " has another size";
    for (int y = 0; y < ours[i].height(); ++y)
      for (int x = 0; x < ours[i].width(); ++x)
        if (!WithinNoise(ours[i].pixel(x, y), theirs[i].pixel(x, y)))
          return "image " + std::to_string(i) + " at " + std::to_string(x) + "," + std::to_string(y);
  }
  return {};
}

TEST(Regeneration, GivesTheCommittedPictures) {
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
  for (const QString& file : files)
    EXPECT_EQ(FirstDifference(scratch.filePath("assets/" + file), ZINGBOX_SOURCE_DIR "/window/assets/" + file), "")
        << file.toStdString();
  for (const char* size : {"48x48", "64x64", "128x128", "256x256"}) {
    const QString icon = QString(size) + "/apps/zingbox.png";
    EXPECT_EQ(FirstDifference(scratch.filePath("hicolor/" + icon), ZINGBOX_SOURCE_DIR "/packaging/icons/hicolor/" + icon),
              "")
        << icon.toStdString();
  }
}

}  // namespace
}  // namespace zingbox::test
