// The program icon: four palette images in one .ico, readable by another decoder, and
// the PNG renderings installed for modern desktops.
#include <gtest/gtest.h>

#include <QImageReader>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "GifReading.h"

namespace zingbox::test {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

uint32_t Le(const std::string& bytes, size_t at, int size) {
  uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes.at(at + static_cast<size_t>(i)));
  return value;
}

struct IconImage {
  int size, bits;
};

TEST(ProgramIcon, HoldsSixteenAndThirtyTwoPixelsInSixteenAndTwoHundredFiftySixColours) {
  const std::string ico = ReadAll(AssetsFolder() + "/zingbox.ico");
  ASSERT_GE(ico.size(), 6u);
  EXPECT_EQ(Le(ico, 0, 2), 0u);
  EXPECT_EQ(Le(ico, 2, 2), 1u) << "an icon, not a cursor";
  ASSERT_EQ(Le(ico, 4, 2), 4u);

  std::vector<std::pair<int, int>> found;
  for (size_t entry = 0; entry < 4; ++entry) {
    const size_t at = 6 + 16 * entry;
    const int width = static_cast<int>(Le(ico, at, 1)), height = static_cast<int>(Le(ico, at + 1, 1));
    const int colours = static_cast<int>(Le(ico, at + 2, 1));
    const int bits = static_cast<int>(Le(ico, at + 6, 2));
    const uint32_t length = Le(ico, at + 8, 4), offset = Le(ico, at + 12, 4);
    SCOPED_TRACE("image " + std::to_string(entry));
    EXPECT_EQ(width, height);
    EXPECT_EQ(colours, bits == 4 ? 16 : 0);
    ASSERT_LE(uint64_t{offset} + length, ico.size());

    // The bitmap itself must agree with its directory entry.
    EXPECT_EQ(Le(ico, offset, 4), 40u);
    EXPECT_EQ(static_cast<int>(Le(ico, offset + 4, 4)), width);
    EXPECT_EQ(static_cast<int>(Le(ico, offset + 8, 4)), 2 * height) << "colours and mask";
    EXPECT_EQ(static_cast<int>(Le(ico, offset + 14, 2)), bits);
    EXPECT_EQ(Le(ico, offset + 16, 4), 0u) << "uncompressed";
    const uint32_t colourRow = (static_cast<uint32_t>(width * bits) + 31) / 32 * 4;
    const uint32_t maskRow = (static_cast<uint32_t>(width) + 31) / 32 * 4;
    EXPECT_EQ(length, 40 + 4 * (1u << bits) + (colourRow + maskRow) * static_cast<uint32_t>(height));
    // Mask rows run bottom-up; the top-left pixel is outside the monster.
    const size_t topRowOfMask = offset + 40 + 4 * (1u << bits) + colourRow * height + maskRow * (height - 1);
    EXPECT_TRUE(Le(ico, topRowOfMask, 1) & 0x80) << "top-left corner is transparent";
    found.emplace_back(width, bits);
  }
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::pair<int, int>>{{16, 4}, {16, 8}, {32, 4}, {32, 8}}));
}

TEST(ProgramIcon, QtReadsEveryImage) {
  QImageReader reader(QString::fromStdString(AssetsFolder() + "/zingbox.ico"));
  ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
  ASSERT_EQ(reader.imageCount(), 4);
  for (int i = 0; i < 4; ++i) {
    ASSERT_TRUE(reader.jumpToImage(i));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    // Green dominates the face in the middle of the icon.
    const QColor middle = image.pixelColor(image.width() / 2, image.height() * 5 / 8);
    EXPECT_GT(middle.green(), middle.red()) << "image " << i;
    EXPECT_GT(middle.green(), middle.blue()) << "image " << i;
  }
}

TEST(DesktopIcons, ExistAtEveryInstalledSizeWithATransparentBackground) {
  for (int size : {48, 64, 128, 256}) {
    const std::string path = ZINGBOX_SOURCE_DIR "/packaging/icons/hicolor/" + std::to_string(size) + "x" +
                             std::to_string(size) + "/apps/zingbox.png";
    const QImage icon(QString::fromStdString(path));
    ASSERT_FALSE(icon.isNull()) << path;
    EXPECT_EQ(icon.size(), QSize(size, size));
    EXPECT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
  }
}

}  // namespace
}  // namespace zingbox::test
