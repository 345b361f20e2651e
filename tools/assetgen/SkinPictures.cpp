#include "tools/assetgen/SkinPictures.h"

#include <vector>

#include "tools/assetgen/Bezel.h"
#include "tools/assetgen/FramePieces.h"
#include "tools/assetgen/GiftBox.h"
#include "tools/assetgen/OnBezel.h"
#include "tools/assetgen/PushButton.h"
#include "tools/assetgen/SkinLayout.h"
#include "window/Form1Description.h"

namespace zingbox::assetgen {

namespace {

constexpr int FullPalette = 256;
constexpr int SmallFillerPalette = 64;  // top_lf keeps the short palette it always had

struct ButtonArt {
  const char* name;
  QColor cap;
  bool pressed;
};

const ButtonArt Buttons[] = {
    {"Image1", QColor(58, 178, 64), false},  {"Image2", QColor(58, 178, 64), true},
    {"Image3", QColor(210, 44, 38), false},  {"Image4", QColor(210, 44, 38), true},
    {"Image5", QColor(236, 196, 36), false}, {"Image6", QColor(236, 196, 36), true},
};

IndexedPicture WithOwnPalette(const QImage& art) {
  // One entry stays free for the transparent colour.
  return ToIndexed(art, ChoosePalette({art}, FullPalette - 1), FullPalette, true);
}

// Frame pieces share one palette, so the same bezel colour is the same entry in every
// piece and the joins cannot show a step.
void AddFramePieces(const std::map<std::string, QImage>& pieces, std::map<std::string, IndexedPicture>& out) {
  std::vector<QImage> all;
  for (const auto& [name, piece] : pieces) all.push_back(piece);
  const std::vector<QRgb> shared = ChoosePalette(all, FullPalette);
  for (const auto& [name, piece] : pieces) {
    IndexedPicture indexed = ToIndexed(piece, shared, FullPalette, false);
    if (name == "top_lf") {
      // Keep the shared colours, just fewer of them.
      indexed = ToIndexed(piece, ChoosePalette({ToImage(indexed)}, SmallFillerPalette), SmallFillerPalette, false);
    }
    out[name] = std::move(indexed);
  }
}

}  // namespace

std::map<std::string, IndexedPicture> DrawSkinPictures() {
  const SkinLayout opening = LayOutSkin({Form1ClientWidth, Form1ClientHeight});
  const QImage bezel = RenderBezel(opening);
  std::map<std::string, IndexedPicture> pictures;
  AddFramePieces(CutFramePieces(bezel, opening), pictures);
  for (const ButtonArt& button : Buttons) {
    const QImage art = DrawPushButton(button.cap, button.pressed);
    pictures[button.name] = WithOwnPalette(OnBezel(art, bezel, opening.controls.at(button.name).topLeft()));
  }
  pictures["Image7"] = WithOwnPalette(OnBezel(DrawGiftBox(), bezel, opening.controls.at("Image7").topLeft()));
  return pictures;
}

}  // namespace zingbox::assetgen
