#pragma once

#include <cstdint>

namespace zingbox::swf {

// Positions and sizes are in stage pixels; the writer turns them into twips (1/20 px).
struct Point {
  double x = 0;
  double y = 0;
};

struct Rect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  // Color::rgb(0x336699) reads like the hex colours designers hand over.
  static constexpr Color rgb(std::uint32_t hex) {
    return {static_cast<std::uint8_t>(hex >> 16), static_cast<std::uint8_t>(hex >> 8),
            static_cast<std::uint8_t>(hex)};
  }
};

}  // namespace zingbox::swf
