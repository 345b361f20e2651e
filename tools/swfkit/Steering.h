#pragma once

#include <string_view>

#include "tools/swfkit/Actions.h"

namespace zingbox::swf {

// Frame actions that move the named clip by `step` pixels for each arrow key held down;
// run them once a frame (a frame loop) to let the player steer it.
Actions steerWithArrowKeys(std::string_view clipPath, double step);

}  // namespace zingbox::swf
