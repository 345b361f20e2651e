#include "tools/assetgen/GifFile.h"

#include <fcntl.h>
#include <gif_lib.h>
#include <unistd.h>

#include <memory>
#include <stdexcept>

namespace zingbox::assetgen {

namespace {

void Check(int result, int error, const char* step) {
  if (result == GIF_ERROR) throw std::runtime_error(std::string(step) + ": " + GifErrorString(error));
}

struct ColorMapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

}  // namespace

void WriteGif(const IndexedPicture& picture, const std::string& path) {
  // giflib would create the file readable by its owner only.
  const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (file < 0) throw std::runtime_error("cannot create " + path);
  int error = 0;
  GifFileType* gif = EGifOpenFileHandle(file, &error);
  if (gif == nullptr) {
    close(file);
    throw std::runtime_error("cannot create " + path + ": " + GifErrorString(error));
  }
  auto closeGif = [&gif] {
    int ignored = 0;
    EGifCloseFile(gif, &ignored);
  };
  try {
    std::unique_ptr<ColorMapObject, ColorMapDeleter> map(
        GifMakeMapObject(static_cast<int>(picture.palette.size()), nullptr));
    if (!map) throw std::runtime_error("palette length is not a power of two");
    for (size_t i = 0; i < picture.palette.size(); ++i) {
      map->Colors[i] = {static_cast<GifByteType>(qRed(picture.palette[i])),
                        static_cast<GifByteType>(qGreen(picture.palette[i])),
                        static_cast<GifByteType>(qBlue(picture.palette[i]))};
    }
    // A transparent colour needs an extension block, which only GIF89a has.
    EGifSetGifVersion(gif, true);
    Check(EGifPutScreenDesc(gif, picture.width, picture.height, map->BitsPerPixel, 0, map.get()), gif->Error,
          "screen");
    if (picture.transparentIndex >= 0) {
      GraphicsControlBlock control{};
      control.DisposalMode = DISPOSAL_UNSPECIFIED;
      control.DelayTime = 0;
      control.TransparentColor = picture.transparentIndex;
      GifByteType block[4];
      const size_t length = EGifGCBToExtension(&control, block);
      Check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), block), gif->Error,
            "graphics control");
    }
    Check(EGifPutImageDesc(gif, 0, 0, picture.width, picture.height, false, nullptr), gif->Error, "image");
    std::vector<GifPixelType> row(static_cast<size_t>(picture.width));
    for (int y = 0; y < picture.height; ++y) {
      for (int x = 0; x < picture.width; ++x) row[static_cast<size_t>(x)] = picture.At(x, y);
      Check(EGifPutLine(gif, row.data(), picture.width), gif->Error, "pixels");
    }
  } catch (...) {
    closeGif();
    throw;
  }
  int closeError = 0;
  Check(EGifCloseFile(gif, &closeError), closeError, "close");
}

}  // namespace zingbox::assetgen
