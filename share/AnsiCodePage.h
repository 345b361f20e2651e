#pragma once

#include <string>
#include <string_view>

namespace zingbox {

// UTF-16 to the system's narrow character set: the ANSI code page on Windows, the
// locale's character set (LC_CTYPE) elsewhere. A character the set lacks becomes "-" for
// the dashes and "?" for anything else, so the text keeps its shape.
std::string ToAnsiCodePage(std::u16string_view text);

}  // namespace zingbox
