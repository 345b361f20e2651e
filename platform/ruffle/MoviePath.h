#pragma once

#include <string>

#include <QString>

namespace zingbox {

// The local file a movie path text names. The shell writes Windows-style paths
// ("<folder>\<file>.swf"); here each backslash is a separator and nothing else changes,
// so blanks and non-ASCII letters pass through as they are.
QString MovieLocalPath(const std::u16string& pathText);

}  // namespace zingbox
