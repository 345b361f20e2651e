#pragma once

#include "ShellState.h"
#include "platform/ProgramFolder.h"
#include "window/Form1Controls.h"

namespace zingbox {

// Clicks on the Menu, Pause/Resume and Restart pictures: the press step, then the
// button's action. Each lets errors out; nothing after a failed step runs.
void Image1_Click(Form1Controls& form, ShellState& state, const ProgramFolder& folder);
void Image3_Click(Form1Controls& form, ShellState& state);
void Image5_Click(Form1Controls& form, ShellState& state, const ProgramFolder& folder);

}  // namespace zingbox
