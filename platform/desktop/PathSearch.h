#pragma once

#include <string>
#include <string_view>

namespace zingbox {

// The first executable `program` in the folders of `pathList` (PATH's format), or empty.
// Folder names may hold blanks. Empty and relative entries are skipped: they would name
// whatever folder the program happens to run in.
std::string FindOnPath(std::string_view program, std::string_view pathList);

}  // namespace zingbox
