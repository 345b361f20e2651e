#pragma once

#include <cmath>

namespace zingbox {

inline constexpr float TwipsPerPixel = 15.0f;

// Widget geometry is the rounded pixel value; the control keeps the exact twips.
inline int TwipsToPixels(float twips) { return static_cast<int>(std::lround(twips / TwipsPerPixel)); }

inline float PixelsToTwips(int pixels) { return static_cast<float>(pixels) * TwipsPerPixel; }

}  // namespace zingbox
