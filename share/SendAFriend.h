#pragma once

#include <cstdint>

namespace zingbox {

// Click on Image7: hands the mail link to the desktop. Changes nothing else, never
// reports a failure and never blocks the window.
void Image7_Click(std::uintptr_t windowHandle);

}  // namespace zingbox
