#pragma once

#include <cstdint>

namespace zingbox::Module1 {

// The desktop's "open this" call, bound by name at its first use: shell32's
// ShellExecuteA on Windows, xdg-open from PATH elsewhere. Strings are in the system's
// ANSI code page (the locale's character set on Linux). The result is the platform's;
// callers may ignore it.
std::intptr_t ShellExecuteA(std::uintptr_t hwnd, const char* lpOperation, const char* lpFile,
                            const char* lpParameters, const char* lpDirectory, int nShowCmd);

}  // namespace zingbox::Module1
