#pragma once

#include <string>

#include <QString>

namespace zingbox {

// The local file a movie path text names. The shell writes "<folder>\<file>.swf": the
// backslash that begins the file name is the separator. A folder's own name may hold
// backslashes, as Linux allows, so no other changes; nor do blanks and non-ASCII letters.
QString MovieLocalPath(const std::u16string& pathText);

}  // namespace zingbox
