#include "tools/swfkit/Button.h"

namespace zingbox::swf {

Button& Button::show(ButtonState states, CharacterId look, Point at) {
  layers_.push_back({states, look, at});
  return *this;
}

Button& Button::onRelease(Actions actions) {
  release_ = std::move(actions);
  return *this;
}

}  // namespace zingbox::swf
