#pragma once

#include <QImage>
#include <QPoint>

namespace zingbox::assetgen {

// A picture with a transparent colour can only show or hide a pixel. Blending the soft
// edge of the artwork with the bezel where the picture sits keeps its outline smooth;
// pixels that are mostly uncovered become transparent.
QImage OnBezel(const QImage& artwork, const QImage& bezel, QPoint place);

}  // namespace zingbox::assetgen
