#pragma once

#include "tools/swfkit/Movie.h"

namespace zingbox::test {

// The frame rate of every test movie: the player tests count time in its frames.
inline constexpr int FramesPerSecond = 30;

// The player tests' movies fill the harness's 320 x 240 pixel player.
inline constexpr swf::Stage SmallStage = {
    .width = 320, .height = 240, .frameRate = FramesPerSecond, .background = swf::Color::rgb(0x203040)};

}  // namespace zingbox::test
