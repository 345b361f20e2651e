#pragma once

#include <cstdint>
#include <functional>

namespace zingbox::Module1 {

// The desktop's "open this" call, as shell32's ShellExecuteA takes it: strings in the
// system's ANSI code page (the locale's character set on Linux). The program hands in the
// platform's (see platform/desktop); the result is the platform's, and callers may ignore it.
using ShellExecuteA = std::function<std::intptr_t(std::uintptr_t hwnd, const char* lpOperation, const char* lpFile,
                                                  const char* lpParameters, const char* lpDirectory, int nShowCmd)>;

}  // namespace zingbox::Module1
