#pragma once

#include <cstdint>

#include "Module1.h"

namespace zingbox {

// Click on Image7: hands the mail link to the desktop through `shellExecuteA`. Changes
// nothing else, never reports a failure and never blocks the window.
void Image7_Click(std::uintptr_t windowHandle, const Module1::ShellExecuteA& shellExecuteA);

}  // namespace zingbox
