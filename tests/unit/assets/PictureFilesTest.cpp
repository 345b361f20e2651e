// Each picture file must be what Form1 expects of it: the picture control takes its
// size from the file, and only buttons may let the bezel show through.
#include <gtest/gtest.h>

#include "GifReading.h"

namespace zingbox::test {
namespace {

struct Expected {
  const char* control;
  int width, height, paletteSize;
  bool transparent;
};

const Expected Pictures[] = {
    {"Image1", 36, 34, 256, true},     {"Image2", 36, 34, 256, true},     {"Image3", 36, 34, 256, true},
    {"Image4", 36, 34, 256, true},     {"Image5", 36, 34, 256, true},     {"Image6", 36, 34, 256, true},
    {"Image7", 43, 47, 256, true},     {"top_left", 50, 373, 256, false}, {"top_right", 61, 385, 256, false},
    {"topp", 445, 54, 256, false},     {"top_lf", 10, 54, 64, false},     {"top_rf", 11, 54, 256, false},
    {"leftt", 64, 83, 256, false},     {"rightt", 80, 72, 256, false},    {"bott", 417, 59, 256, false},
    {"bot_lf", 9, 60, 256, false},     {"bot_rf", 6, 58, 256, false},     {"leftf", 44, 4, 256, false},
    {"rightf", 53, 13, 256, false},
};

void PrintTo(const Expected& expected, std::ostream* out) { *out << expected.control; }

class PictureFile : public testing::TestWithParam<Expected> {};

TEST_P(PictureFile, HasTheSizePaletteAndTransparencyTheWindowExpects) {
  const Expected& expected = GetParam();
  const DecodedGif gif = ReadGif(AssetsFolder() + "/" + expected.control + ".gif");
  EXPECT_EQ(gif.signature, "GIF89a");
  EXPECT_EQ(gif.width, expected.width);
  EXPECT_EQ(gif.height, expected.height);
  EXPECT_EQ(gif.image.size(), QSize(expected.width, expected.height)) << "one frame filling the screen";
  EXPECT_EQ(gif.paletteSize, expected.paletteSize);
  EXPECT_EQ(gif.transparentIndex >= 0, expected.transparent);
}

TEST_P(PictureFile, ButtonsHaveATransparentSurroundAndFramePiecesNone) {
  const Expected& expected = GetParam();
  const QImage image = ReadGif(AssetsFolder() + "/" + expected.control + ".gif").image;
  int transparentPixels = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) transparentPixels += qAlpha(image.pixel(x, y)) == 0;
  if (expected.transparent) {
    for (QPoint corner : {QPoint(0, 0), QPoint(image.width() - 1, 0), QPoint(0, image.height() - 1),
                          QPoint(image.width() - 1, image.height() - 1)}) {
      EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << "corner " << corner.x() << "," << corner.y();
    }
    // The button itself is drawn: its centre shows.
    EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
  } else {
    EXPECT_EQ(transparentPixels, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Skin, PictureFile, testing::ValuesIn(Pictures),
                         [](const testing::TestParamInfo<Expected>& info) { return std::string(info.param.control); });

double CapBrightness(const QImage& button) {
  double sum = 0;
  const QRect cap(button.width() / 2 - 8, button.height() / 2 - 8, 16, 16);
  for (int y = cap.top(); y <= cap.bottom(); ++y)
    for (int x = cap.left(); x <= cap.right(); ++x) sum += qGray(button.pixel(x, y));
  return sum / (cap.width() * cap.height());
}

TEST(PressedPicture, IsDarkerThanItsRaisedButton) {
  for (auto [raised, pressed] : {std::pair{"Image1", "Image2"}, {"Image3", "Image4"}, {"Image5", "Image6"}}) {
    const QImage up = ReadGif(AssetsFolder() + "/" + raised + ".gif").image;
    const QImage down = ReadGif(AssetsFolder() + "/" + pressed + ".gif").image;
    EXPECT_LT(CapBrightness(down), CapBrightness(up) - 10) << pressed << " must look pressed in";
  }
}

}  // namespace
}  // namespace zingbox::test
