#pragma once

#include <cstdint>
#include <vector>

#include "tools/swfkit/Actions.h"
#include "tools/swfkit/CharacterId.h"
#include "tools/swfkit/Geometry.h"

namespace zingbox::swf {

// Which of a button's looks a character belongs to; combine with |.
enum class ButtonState : std::uint8_t { Up = 1, Over = 2, Down = 4, HitTest = 8 };

constexpr ButtonState operator|(ButtonState a, ButtonState b) {
  return static_cast<ButtonState>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}

inline constexpr ButtonState AllButtonStates =
    ButtonState::Up | ButtonState::Over | ButtonState::Down | ButtonState::HitTest;

// A clickable button (DefineButton2) whose release runs actions.
class Button {
 public:
  struct Layer {
    ButtonState states;
    CharacterId look;
    Point at;
  };

  // Layers stack in call order, later ones on top.
  Button& show(ButtonState states, CharacterId look, Point at = {});
  Button& onRelease(Actions actions);

  const std::vector<Layer>& layers() const { return layers_; }
  const Actions& releaseActions() const { return release_; }

 private:
  std::vector<Layer> layers_;
  Actions release_;
};

}  // namespace zingbox::swf
