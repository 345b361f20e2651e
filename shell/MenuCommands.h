#pragma once

#include <string>

#include "ShellState.h"
#include "platform/MoviePlayer.h"
#include "platform/ProgramFolder.h"

namespace zingbox {

// The player's FSCommand: ("game", a catalogue argument) starts that game; anything
// else is ignored. Runs on the UI thread, possibly inside the commanding movie's event.
void flash_FSCommand(ShellState& state, MoviePlayer& flash, const ProgramFolder& folder,
                     const std::u16string& command, const std::u16string& args);

}  // namespace zingbox
