#pragma once

#include <QImage>

namespace zingbox::assetgen {

inline constexpr int GiftBoxWidth = 43;
inline constexpr int GiftBoxHeight = 47;

// A white gift box with blue stripes, a red ribbon and bow, on a transparent surround.
// The bottom rows stay empty: the "Send a Friend" caption is drawn across them.
QImage DrawGiftBox();

}  // namespace zingbox::assetgen
