#pragma once

#include <QImage>

#include "tools/assetgen/SkinLayout.h"

namespace zingbox::assetgen {

// The blue edge of the player's opening, one pixel outside the player.
inline constexpr QRgb OpeningLine = qRgb(46, 103, 172);

// The whole monitor bezel as one opaque picture for a laid-out window, as wide as the
// widest piece reaches (the right-hand pieces hang past the client area). Every band is
// uniform along its length, so pieces cut from it can be stretched without seams; only
// the centre pieces carry a highlight, which fades out before their ends.
QImage RenderBezel(const SkinLayout& layout);

}  // namespace zingbox::assetgen
