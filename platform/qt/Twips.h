#pragma once

#include <cmath>

#include <QRect>

namespace zingbox {

inline constexpr float TwipsPerPixel = 15.0f;

// Widget geometry is the rounded pixel value; the control keeps the exact twips.
inline int TwipsToPixels(float twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }

inline float PixelsToTwips(int pixels) { return static_cast<float>(pixels) * TwipsPerPixel; }

struct TwipsRect {
  float left, top, width, height;
};

inline QRect TwipsToPixels(const TwipsRect& twips) {
  return {TwipsToPixels(twips.left), TwipsToPixels(twips.top), TwipsToPixels(twips.width),
          TwipsToPixels(twips.height)};
}

}  // namespace zingbox
