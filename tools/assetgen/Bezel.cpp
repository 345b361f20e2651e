#include "tools/assetgen/Bezel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zingbox::assetgen {

namespace {

constexpr int Samples = 4;  // per pixel and direction, for smooth mitres

// Light falls from the upper left, mostly from above.
constexpr double LightX = -0.5, LightY = -0.866;

struct Surface {
  double luminance;
  bool blue;
};

double Smooth(double t) {
  t = std::clamp(t, 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// A bump that is exactly zero in the outer fifth on each side, so the ends of a centre
// piece show the plain band the fillers beside it repeat.
double CentredBump(double position, double from, double to) {
  const double u = std::abs((position - (from + to) / 2) / ((to - from) / 2));
  if (u >= 0.8) return 0;
  const double c = std::cos(u / 0.8 * std::numbers::pi / 2);
  return c * c;
}

class BezelShape {
 public:
  explicit BezelShape(const SkinLayout& layout)
      : layout_(layout),
        x0_(layout.player.left()),
        y0_(layout.player.top()),
        x1_(layout.player.left() + layout.player.width()),
        y1_(layout.player.top() + layout.player.height()),
        right_(layout.client.width()),
        bottom_(layout.client.height()) {}

  Surface At(double x, double y) const {
    const double outLeft = x0_ - x, outRight = x - x1_, outTop = y0_ - y, outBottom = y - y1_;
    const double dx = std::max({outLeft, outRight, 0.0});
    const double dy = std::max({outTop, outBottom, 0.0});
    const double opening = std::max(dx, dy);  // square distance: mitred corners
    if (opening <= 0) return {0, false};
    if (opening <= 1) return {0, true};
    if (opening <= 2) return {12, false};  // the gap between casing and screen

    const double edge = std::min({x, y, right_ - x, bottom_ - y});
    const double face = Face(x, y, edge, opening);
    if (edge < 1) return {30, false};
    if (opening < 7) {
      // The inner bevel slopes down into the opening.
      const bool side = dx > dy;
      const double nx = side ? (outLeft > 0 ? 1 : -1) : 0;
      const double ny = side ? 0 : (outTop > 0 ? 1 : -1);
      return {face + 34 * (nx * LightX + ny * LightY) * (1 - Smooth((opening - 2) / 5)), false};
    }
    if (edge < 5) {
      // The outer bevel rounds off towards the window's edge.
      double nx = 0, ny = 0;
      if (edge == x) nx = -1;
      else if (edge == y) ny = -1;
      else if (edge == right_ - x) nx = 1;
      else ny = 1;
      return {face + 42 * (nx * LightX + ny * LightY) * (1 - Smooth((edge - 1) / 4)), false};
    }
    return {face, false};
  }

 private:
  // Slightly lighter towards the casing's edge, plus the centre pieces' highlights.
  double Face(double x, double y, double edge, double opening) const {
    const double depth = std::max(edge, 0.0) / (std::max(edge, 0.0) + opening);
    double luminance = 60 - 12 * depth;
    const QRect top = layout_.controls.at("topp");
    if (y < y0_) {
      luminance += 16 * CentredBump(x, top.left(), top.left() + top.width()) *
                   std::exp(-std::pow((y - 15) / 9.0, 2));
    }
    const QRect bottom = layout_.controls.at("bott");
    if (y > y1_) {
      luminance += 9 * CentredBump(x, bottom.left(), bottom.left() + bottom.width()) *
                   std::exp(-std::pow((y - (y1_ + 24)) / 16.0, 2));
    }
    return luminance;
  }

  const SkinLayout& layout_;
  double x0_, y0_, x1_, y1_, right_, bottom_;
};

// A cool charcoal: a touch more blue than red.
QRgb Charcoal(double luminance) {
  auto channel = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); };
  return qRgb(channel(luminance * 0.95), channel(luminance * 0.99), channel(luminance * 1.08 + 2));
}

}  // namespace

QImage RenderBezel(const SkinLayout& layout) {
  int width = layout.client.width();
  for (const auto& [name, rect] : layout.controls) width = std::max(width, rect.left() + rect.width());
  QImage bezel(width, layout.client.height(), QImage::Format_RGB32);
  const BezelShape shape(layout);
  for (int py = 0; py < bezel.height(); ++py) {
    for (int px = 0; px < bezel.width(); ++px) {
      double sum[3] = {0, 0, 0};
      for (int sy = 0; sy < Samples; ++sy) {
        for (int sx = 0; sx < Samples; ++sx) {
          const Surface s = shape.At(px + (sx + 0.5) / Samples, py + (sy + 0.5) / Samples);
          const QRgb c = s.blue ? OpeningLine : Charcoal(s.luminance);
          sum[0] += qRed(c);
          sum[1] += qGreen(c);
          sum[2] += qBlue(c);
        }
      }
      constexpr double n = Samples * Samples;
      bezel.setPixel(px, py,
                     qRgb(static_cast<int>(std::lround(sum[0] / n)), static_cast<int>(std::lround(sum[1] / n)),
                          static_cast<int>(std::lround(sum[2] / n))));
    }
  }
  return bezel;
}

}  // namespace zingbox::assetgen
