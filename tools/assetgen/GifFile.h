#pragma once

#include <string>

#include "tools/assetgen/IndexedPicture.h"

namespace zingbox::assetgen {

// Writes a single-image GIF89a; a transparent index goes into a graphics control block.
// Throws std::runtime_error when giflib reports a failure.
void WriteGif(const IndexedPicture& picture, const std::string& path);

}  // namespace zingbox::assetgen
