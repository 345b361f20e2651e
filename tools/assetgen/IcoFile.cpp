#include "tools/assetgen/IcoFile.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace zingbox::assetgen {

namespace {

class LittleEndian {
 public:
  void U8(unsigned value) { bytes_.push_back(static_cast<char>(value & 0xFF)); }
  void U16(unsigned value) {
    U8(value);
    U8(value >> 8);
  }
  void U32(uint32_t value) {
    U16(value & 0xFFFF);
    U16(value >> 16);
  }
  void Append(const std::string& more) { bytes_ += more; }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

int BitsPerPixel(const IndexedPicture& image) {
  if (image.palette.size() == 16) return 4;
  if (image.palette.size() == 256) return 8;
  throw std::runtime_error("an icon image needs 16 or 256 palette entries");
}

// DIB rows are padded to whole 32-bit words.
int RowBytes(int width, int bits) { return (width * bits + 31) / 32 * 4; }

std::string Dib(const IndexedPicture& image) {
  const int bits = BitsPerPixel(image);
  const int colourRow = RowBytes(image.width, bits);
  const int maskRow = RowBytes(image.width, 1);
  LittleEndian dib;
  dib.U32(40);
  dib.U32(static_cast<uint32_t>(image.width));
  dib.U32(static_cast<uint32_t>(image.height * 2));  // colour bitmap and mask stacked
  dib.U16(1);
  dib.U16(static_cast<unsigned>(bits));
  dib.U32(0);  // uncompressed
  dib.U32(static_cast<uint32_t>((colourRow + maskRow) * image.height));
  dib.U32(0);
  dib.U32(0);
  dib.U32(0);
  dib.U32(0);
  for (size_t i = 0; i < image.palette.size(); ++i) {
    // Masked pixels are XORed onto the screen: black leaves it unchanged.
    const QRgb colour = static_cast<int>(i) == image.transparentIndex ? qRgb(0, 0, 0) : image.palette[i];
    dib.U8(static_cast<unsigned>(qBlue(colour)));
    dib.U8(static_cast<unsigned>(qGreen(colour)));
    dib.U8(static_cast<unsigned>(qRed(colour)));
    dib.U8(0);
  }
  for (int y = image.height - 1; y >= 0; --y) {
    std::string row(static_cast<size_t>(colourRow), '\0');
    for (int x = 0; x < image.width; ++x) {
      const unsigned index = image.At(x, y);
      if (bits == 8) {
        row[static_cast<size_t>(x)] = static_cast<char>(index);
      } else {
        row[static_cast<size_t>(x / 2)] |= static_cast<char>(x % 2 == 0 ? index << 4 : index);
      }
    }
    dib.Append(row);
  }
  for (int y = image.height - 1; y >= 0; --y) {
    std::string row(static_cast<size_t>(maskRow), '\0');
    for (int x = 0; x < image.width; ++x) {
      if (image.At(x, y) == image.transparentIndex) row[static_cast<size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
    }
    dib.Append(row);
  }
  return dib.Bytes();
}

}  // namespace

void WriteIco(const std::vector<IndexedPicture>& images, const std::string& path) {
  LittleEndian file;
  file.U16(0);
  file.U16(1);  // icon, not cursor
  file.U16(static_cast<unsigned>(images.size()));
  std::vector<std::string> dibs;
  for (const IndexedPicture& image : images) dibs.push_back(Dib(image));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    const IndexedPicture& image = images[i];
    file.U8(static_cast<unsigned>(image.width % 256));  // 0 stands for 256
    file.U8(static_cast<unsigned>(image.height % 256));
    file.U8(image.palette.size() < 256 ? static_cast<unsigned>(image.palette.size()) : 0);
    file.U8(0);
    file.U16(1);
    file.U16(static_cast<unsigned>(BitsPerPixel(image)));
    file.U32(static_cast<uint32_t>(dibs[i].size()));
    file.U32(offset);
    offset += static_cast<uint32_t>(dibs[i].size());
  }
  for (const std::string& dib : dibs) file.Append(dib);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(file.Bytes().data(), static_cast<std::streamsize>(file.Bytes().size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace zingbox::assetgen
