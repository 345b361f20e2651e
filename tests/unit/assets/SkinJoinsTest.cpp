// The frame pictures laid out by the real layout passes, as the window stacks them:
// they must close around the player, frame it with the blue line and meet without seams,
// at the opening size and at others.
#include <gtest/gtest.h>

#include <ranges>

#include "GifReading.h"
#include "tools/assetgen/Bezel.h"
#include "tools/assetgen/SkinLayout.h"
#include "tools/assetgen/SkinPreview.h"
#include "window/Form1Description.h"

// Names the client size in test output instead of dumping its bytes.
void PrintTo(const QSize& size, std::ostream* out) { *out << size.width() << "x" << size.height(); }

namespace zingbox::test {
namespace {

using assetgen::ComposeSkin;
using assetgen::LayOutSkin;
using assetgen::SkinLayout;

const std::map<std::string, QImage>& Pictures() {
  static const std::map<std::string, QImage> pictures = [] {
    std::map<std::string, QImage> decoded;
    for (const ControlDescription& design : Form1Description)
      if (design.kind == ControlKind::Picture)
        decoded[std::string(design.name)] = ReadGif(AssetsFolder() + "/" + std::string(design.name) + ".gif").image;
    return decoded;
  }();
  return pictures;
}

// Which control shows at each pixel: the player, else the earliest visible control.
std::vector<std::string> Owners(const SkinLayout& layout) {
  const QSize size = layout.client;
  std::vector<std::string> owner(static_cast<size_t>(size.width() * size.height()));
  for (const ControlDescription& design : Form1Description | std::views::reverse) {
    const std::string name(design.name);
    if (!layout.controls.contains(name) || !layout.visible.at(name)) continue;
    const QRect place = layout.controls.at(name) & QRect(QPoint(0, 0), size);
    for (int y = place.top(); y <= place.bottom(); ++y)
      for (int x = place.left(); x <= place.right(); ++x) owner[static_cast<size_t>(y * size.width() + x)] = name;
  }
  const QRect player = layout.player & QRect(QPoint(0, 0), size);
  for (int y = player.top(); y <= player.bottom(); ++y)
    for (int x = player.left(); x <= player.right(); ++x) owner[static_cast<size_t>(y * size.width() + x)] = "flash";
  return owner;
}

bool IsFramePiece(const std::string& name) {
  return !name.empty() && name != "flash" && !name.starts_with("Image") && !name.starts_with("Label");
}

int ColourStep(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

class SkinAtSize : public testing::TestWithParam<QSize> {
 protected:
  SkinLayout layout = LayOutSkin(GetParam());
  QImage client = ComposeSkin(layout, Pictures(), false);
};

TEST_P(SkinAtSize, CoversTheWholeClientArea) {
  const std::vector<std::string> owner = Owners(layout);
  int uncovered = 0;
  for (const std::string& name : owner) uncovered += name.empty();
  EXPECT_EQ(uncovered, 0);
}

TEST_P(SkinAtSize, BlueLineRunsRightAroundThePlayer) {
  const QRect ring = layout.player.adjusted(-1, -1, 1, 1);
  int wrong = 0;
  for (int x = ring.left(); x <= ring.right(); ++x)
    for (int y : {ring.top(), ring.bottom()}) wrong += client.pixel(x, y) != assetgen::OpeningLine;
  for (int y = ring.top(); y <= ring.bottom(); ++y)
    for (int x : {ring.left(), ring.right()}) wrong += client.pixel(x, y) != assetgen::OpeningLine;
  EXPECT_EQ(wrong, 0) << "pixels of the ring round the player that are not the opening's blue";
}

TEST_P(SkinAtSize, FramePiecesMeetWithoutASeam) {
  const std::vector<std::string> owner = Owners(layout);
  const int width = layout.client.width();
  auto at = [&](int x, int y) -> const std::string& { return owner[static_cast<size_t>(y * width + x)]; };
  int worst = 0;
  std::string where;
  for (int y = 0; y < layout.client.height(); ++y) {
    for (int x = 0; x < width; ++x) {
      for (QPoint next : {QPoint(x + 1, y), QPoint(x, y + 1)}) {
        if (next.x() >= width || next.y() >= layout.client.height()) continue;
        const std::string& here = at(x, y);
        const std::string& there = at(next.x(), next.y());
        if (here == there || !IsFramePiece(here) || !IsFramePiece(there)) continue;
        if (const int step = ColourStep(client.pixel(x, y), client.pixel(next)); step > worst) {
          worst = step;
          where = here + "/" + there + " at " + std::to_string(x) + "," + std::to_string(y);
        }
      }
    }
  }
  EXPECT_LE(worst, 2) << "largest colour step across a join: " << where;
}

INSTANTIATE_TEST_SUITE_P(Frame, SkinAtSize,
                         testing::Values(QSize(Form1ClientWidth, Form1ClientHeight), QSize(1200, 900),
                                         QSize(1600, 1100), QSize(600, 480), QSize(500, 400)),
                         [](const testing::TestParamInfo<QSize>& info) {
                           return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });

}  // namespace
}  // namespace zingbox::test
