#pragma once

#include <QImage>
#include <QSize>
#include <map>
#include <string>

#include "tools/assetgen/SkinLayout.h"

namespace zingbox::assetgen {

// The twelve frame pictures by control name, with their pixel sizes.
const std::map<std::string, QSize>& FramePictureSizes();

// Cuts each frame picture out of the bezel where the layout puts its control. Fillers
// repeat one column and side edges one row of their place, because the window
// stretches them along that direction.
std::map<std::string, QImage> CutFramePieces(const QImage& bezel, const SkinLayout& layout);

}  // namespace zingbox::assetgen
