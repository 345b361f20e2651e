#pragma once

#include <string>
#include <vector>

#include "tools/assetgen/IndexedPicture.h"

namespace zingbox::assetgen {

// Writes a Windows icon: a directory, then per image a bottom-up palette DIB with its
// AND mask. The palette length (16 or 256) sets the image's bit depth; transparent
// pixels go to the mask. Throws std::runtime_error when the file cannot be written.
void WriteIco(const std::vector<IndexedPicture>& images, const std::string& path);

}  // namespace zingbox::assetgen
