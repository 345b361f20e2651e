#pragma once

#include "window/Form1Controls.h"

namespace zingbox {

// Once, from Load: arranges the top row and hangs the bottom row at the window's
// bottom edge. Lets errors out.
void StartupPass(Form1Controls& form);

// Form1's Resize: places every piece, sizes the player, places buttons and captions.
// Never lets an error out: it stops at the failing step and the next Resize redoes all.
void ResizePass(Form1Controls& form) noexcept;

}  // namespace zingbox
