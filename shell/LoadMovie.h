#pragma once

#include <string_view>

#include "platform/MoviePlayer.h"
#include "platform/ProgramFolder.h"

namespace zingbox {

// Assigns the pack folder followed directly by movieFile (which begins with a
// backslash) to the player's Movie. Nothing is added, trimmed or normalised, and the
// file is not looked for: a missing movie is the player's affair.
void LoadMovie(MoviePlayer& flash, const ProgramFolder& folder, std::u16string_view movieFile);

}  // namespace zingbox
