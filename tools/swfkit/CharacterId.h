#pragma once

#include <cstdint>

namespace zingbox::swf {

// Handed out by Movie when a shape, text, button or sprite is defined.
struct CharacterId {
  std::uint16_t value = 0;
};

}  // namespace zingbox::swf
