#pragma once

#include <QImage>
#include <string>

namespace zingbox::test {

// A GIF file as giflib decodes it, independent of the generator's own writer.
struct DecodedGif {
  std::string signature;  // "GIF87a" or "GIF89a"
  int width = 0, height = 0;
  int paletteSize = 0;
  int transparentIndex = -1;
  QImage image;  // ARGB32; the transparent colour has alpha 0
};

// Throws std::runtime_error when giflib cannot read the file.
DecodedGif ReadGif(const std::string& path);

std::string AssetsFolder();

}  // namespace zingbox::test
