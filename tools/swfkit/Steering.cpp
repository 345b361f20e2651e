#include "tools/swfkit/Steering.h"

namespace zingbox::swf {
namespace {

Actions nudge(std::string_view clipPath, Property axis, double by) {
  return Actions().setProperty(clipPath, axis,
                               Actions().getProperty(clipPath, axis).push(by).add());
}

}  // namespace

Actions steerWithArrowKeys(std::string_view clipPath, double step) {
  return Actions()
      .when(Actions().keyIsDown(KeyCode::Left), nudge(clipPath, Property::X, -step))
      .when(Actions().keyIsDown(KeyCode::Right), nudge(clipPath, Property::X, step))
      .when(Actions().keyIsDown(KeyCode::Up), nudge(clipPath, Property::Y, -step))
      .when(Actions().keyIsDown(KeyCode::Down), nudge(clipPath, Property::Y, step));
}

}  // namespace zingbox::swf
