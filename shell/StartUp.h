#pragma once

#include "ShellState.h"
#include "platform/ProgramFolder.h"
#include "window/Form1Controls.h"

namespace zingbox {

// Form1's Load: runs before the window is first shown. Lets errors out.
void Form1_Load(Form1Controls& form, ShellState& state, const ProgramFolder& folder);

}  // namespace zingbox
