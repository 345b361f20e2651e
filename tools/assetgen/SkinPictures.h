#pragma once

#include <map>
#include <string>

#include "tools/assetgen/IndexedPicture.h"

namespace zingbox::assetgen {

// Form1's nineteen pictures by control name, ready to store: the frame drawn for the
// window at its opening size, the buttons settled onto the bezel where they sit there.
std::map<std::string, IndexedPicture> DrawSkinPictures();

}  // namespace zingbox::assetgen
