#include "tools/assetgen/IndexedPicture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <stdexcept>

namespace zingbox::assetgen {

namespace {

struct Swatch {
  std::array<int, 3> rgb;
  long count;
};

// A box of colour space in the median cut: split where the most pixels differ most.
struct Box {
  std::vector<Swatch> swatches;

  long Count() const {
    long total = 0;
    for (const Swatch& s : swatches) total += s.count;
    return total;
  }
  int WidestChannel(int* range) const {
    int best = 0;
    *range = -1;
    for (int c = 0; c < 3; ++c) {
      auto [lo, hi] = std::minmax_element(swatches.begin(), swatches.end(),
                                          [c](const Swatch& a, const Swatch& b) { return a.rgb[c] < b.rgb[c]; });
      if (hi->rgb[c] - lo->rgb[c] > *range) {
        *range = hi->rgb[c] - lo->rgb[c];
        best = c;
      }
    }
    return best;
  }
  // Large areas of one hue matter more than a few blended edge pixels, but a range
  // that spans many colours must still be split.
  double Priority() const {
    if (swatches.size() < 2) return -1;
    int range = 0;
    WidestChannel(&range);
    return range * std::sqrt(static_cast<double>(Count()));
  }
  QRgb Mean() const {
    double sum[3] = {0, 0, 0};
    const double total = static_cast<double>(Count());
    for (const Swatch& s : swatches)
      for (int c = 0; c < 3; ++c) sum[c] += static_cast<double>(s.rgb[c]) * s.count;
    return qRgb(static_cast<int>(std::lround(sum[0] / total)), static_cast<int>(std::lround(sum[1] / total)),
                static_cast<int>(std::lround(sum[2] / total)));
  }
};

std::pair<Box, Box> Split(Box box) {
  int range = 0;
  const int channel = box.WidestChannel(&range);
  std::stable_sort(box.swatches.begin(), box.swatches.end(),
                   [channel](const Swatch& a, const Swatch& b) { return a.rgb[channel] < b.rgb[channel]; });
  const long half = box.Count() / 2;
  long seen = 0;
  size_t cut = 1;
  for (; cut < box.swatches.size(); ++cut) {
    seen += box.swatches[cut - 1].count;
    if (seen >= half) break;
  }
  cut = std::min(cut, box.swatches.size() - 1);
  Box low{{box.swatches.begin(), box.swatches.begin() + static_cast<long>(cut)}};
  Box high{{box.swatches.begin() + static_cast<long>(cut), box.swatches.end()}};
  return {low, high};
}

bool Opaque(QRgb pixel) { return qAlpha(pixel) >= 128; }

int Luma(QRgb c) { return 299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c); }

int Distance(QRgb a, QRgb b) {
  const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

}  // namespace

std::vector<QRgb> ChoosePalette(const std::vector<QImage>& pictures, int paletteSize) {
  std::map<QRgb, long> counts;
  for (const QImage& picture : pictures) {
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
      for (int x = 0; x < argb.width(); ++x)
        if (QRgb p = argb.pixel(x, y); Opaque(p)) ++counts[qRgb(qRed(p), qGreen(p), qBlue(p))];
  }
  std::vector<QRgb> palette;
  if (static_cast<int>(counts.size()) <= paletteSize) {
    for (const auto& [colour, count] : counts) palette.push_back(colour);
  } else {
    std::vector<Box> boxes(1);
    for (const auto& [colour, count] : counts) boxes[0].swatches.push_back({{qRed(colour), qGreen(colour), qBlue(colour)}, count});
    while (static_cast<int>(boxes.size()) < paletteSize) {
      auto widest = std::max_element(boxes.begin(), boxes.end(),
                                     [](const Box& a, const Box& b) { return a.Priority() < b.Priority(); });
      if (widest->Priority() < 0) break;
      auto [low, high] = Split(std::move(*widest));
      *widest = std::move(low);
      boxes.push_back(std::move(high));
    }
    for (const Box& box : boxes) palette.push_back(box.Mean());
  }
  std::stable_sort(palette.begin(), palette.end(), [](QRgb a, QRgb b) { return Luma(a) < Luma(b); });
  return palette;
}

IndexedPicture ToIndexed(const QImage& picture, std::vector<QRgb> palette, int paletteSize, bool withTransparency) {
  const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
  IndexedPicture indexed;
  indexed.width = argb.width();
  indexed.height = argb.height();
  const int colours = static_cast<int>(palette.size());
  if (colours + (withTransparency ? 1 : 0) > paletteSize) throw std::logic_error("palette overflow");
  if (withTransparency) {
    indexed.transparentIndex = colours;
    // Shown only by readers that ignore transparency; it should stand out there.
    palette.push_back(qRgb(255, 0, 255));
  }
  indexed.indices.reserve(static_cast<size_t>(indexed.width) * indexed.height);
  for (int y = 0; y < argb.height(); ++y) {
    for (int x = 0; x < argb.width(); ++x) {
      const QRgb pixel = argb.pixel(x, y);
      if (!Opaque(pixel)) {
        if (!withTransparency) throw std::logic_error("transparent pixel in an opaque picture");
        indexed.indices.push_back(static_cast<uint8_t>(indexed.transparentIndex));
        continue;
      }
      int best = 0;
      for (int i = 1; i < colours; ++i)
        if (Distance(pixel, palette[i]) < Distance(pixel, palette[best])) best = i;
      indexed.indices.push_back(static_cast<uint8_t>(best));
    }
  }
  palette.resize(static_cast<size_t>(paletteSize), qRgb(0, 0, 0));
  indexed.palette = std::move(palette);
  return indexed;
}

QImage ToImage(const IndexedPicture& picture) {
  QImage image(picture.width, picture.height, QImage::Format_ARGB32);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const int index = picture.At(x, y);
      image.setPixel(x, y, index == picture.transparentIndex ? qRgba(0, 0, 0, 0) : picture.palette[index]);
    }
  }
  return image;
}

}  // namespace zingbox::assetgen
