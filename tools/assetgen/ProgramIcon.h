#pragma once

#include <string>
#include <vector>

#include "tools/assetgen/IndexedPicture.h"

namespace zingbox::assetgen {

// The four images of the program's .ico: 16 and 32 pixels, each in 16 and in 256 colours.
std::vector<IndexedPicture> DrawProgramIconImages();

// Sizes of the PNG renderings for desktops that want more than 32 pixels.
inline constexpr int DesktopIconSizes[] = {48, 64, 128, 256};

}  // namespace zingbox::assetgen
