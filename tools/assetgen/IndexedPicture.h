#pragma once

#include <QImage>
#include <QRgb>
#include <cstdint>
#include <vector>

namespace zingbox::assetgen {

// A palette picture as GIF and ICO store it. The palette always has its full length
// (a power of two); entries past the used colours are black.
struct IndexedPicture {
  int width = 0;
  int height = 0;
  std::vector<QRgb> palette;
  std::vector<uint8_t> indices;  // row by row, top row first
  int transparentIndex = -1;     // -1: every pixel is drawn

  uint8_t At(int x, int y) const { return indices[static_cast<size_t>(y) * width + x]; }
};

// Chooses up to paletteSize colours for the opaque pixels of the pictures together, so
// that pictures which must meet seamlessly map equal colours to equal entries.
std::vector<QRgb> ChoosePalette(const std::vector<QImage>& pictures, int paletteSize);

// Maps every pixel to its nearest palette entry. Pixels with alpha below one half become
// the transparent index, which is then appended to the palette (so it needs a free slot).
IndexedPicture ToIndexed(const QImage& picture, std::vector<QRgb> palette, int paletteSize,
                         bool withTransparency);

// Back to a full-colour picture, with the transparent index as alpha 0.
QImage ToImage(const IndexedPicture& picture);

}  // namespace zingbox::assetgen
