#pragma once

#include <cstdint>

namespace zingbox {

// The classic toolkit's truth values, kept so that Playing holds exactly -1 or 0.
inline constexpr int16_t True = -1;
inline constexpr int16_t False = 0;

struct ShellState {
  // 0: the menu movie is loaded; 1..6: that game of GameCatalogue.
  int16_t CurrentGame = 0;
  // The program's own last Play (True) or StopPlay (False); never read from the player.
  int16_t Playing = True;
};

}  // namespace zingbox
