#include "GifReading.h"

#include <gif_lib.h>

#include <fstream>
#include <stdexcept>

namespace zingbox::test {

DecodedGif ReadGif(const std::string& path) {
  DecodedGif gif;
  std::ifstream file(path, std::ios::binary);
  char signature[6] = {};
  file.read(signature, 6);
  gif.signature.assign(signature, static_cast<size_t>(file.gcount()));

  int error = 0;
  GifFileType* decoder = DGifOpenFileName(path.c_str(), &error);
  if (decoder == nullptr) throw std::runtime_error(path + ": " + GifErrorString(error));
  if (DGifSlurp(decoder) != GIF_OK || decoder->ImageCount < 1) {
    const std::string reason = GifErrorString(decoder->Error);
    DGifCloseFile(decoder, &error);
    throw std::runtime_error(path + ": " + reason);
  }
  const SavedImage& frame = decoder->SavedImages[0];
  const ColorMapObject* map = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : decoder->SColorMap;
  gif.width = decoder->SWidth;
  gif.height = decoder->SHeight;
  gif.paletteSize = map ? map->ColorCount : 0;
  GraphicsControlBlock control;
  if (DGifSavedExtensionToGCB(decoder, 0, &control) == GIF_OK) gif.transparentIndex = control.TransparentColor;

  gif.image = QImage(frame.ImageDesc.Width, frame.ImageDesc.Height, QImage::Format_ARGB32);
  for (int y = 0; y < frame.ImageDesc.Height; ++y) {
    for (int x = 0; x < frame.ImageDesc.Width; ++x) {
      const int index = frame.RasterBits[y * frame.ImageDesc.Width + x];
      const GifColorType colour = map->Colors[index];
      gif.image.setPixel(x, y, index == gif.transparentIndex ? qRgba(0, 0, 0, 0)
                                                             : qRgb(colour.Red, colour.Green, colour.Blue));
    }
  }
  DGifCloseFile(decoder, &error);
  return gif;
}

std::string AssetsFolder() { return ZINGBOX_SOURCE_DIR "/window/assets"; }

}  // namespace zingbox::test
