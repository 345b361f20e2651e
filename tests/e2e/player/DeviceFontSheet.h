#pragma once

#include <array>

// The device-font test movies: one per style, each a white stage with one black line of
// `Sample` per font name, in a field as wide as the text was on Windows plus 2 px on each
// side for the field's gutter and 1 px of slack, so that any wider face breaks the line.
namespace zingbox::test::device_fonts {

enum class Style { Plain, Bold, Italic };

struct Row {
  const char* name;     // as the movie names the font
  const char* drawnAs;  // what a Windows machine without Arial & co. is to draw it with
  std::array<double, 3> windowsWidth;  // of Sample in px, by Style: Arial's widths and so on
};

inline constexpr const char* Sample = "Hamburgefonts";
inline constexpr double TextSize = 24;  // px
inline constexpr double RowHeight = 40;
inline constexpr double Left = 10;
inline constexpr double Slack = 2 + 2 + 1;

inline constexpr std::array<Row, 6> Rows = {{
    {"_sans", "Liberation Sans", {164.02, 177.27, 164.02}},
    {"Arial", "Liberation Sans", {164.02, 177.27, 164.02}},
    {"_serif", "Liberation Serif", {149.22, 161.25, 149.27}},
    {"Times New Roman", "Liberation Serif", {149.22, 161.25, 149.27}},
    {"_typewriter", "Liberation Mono", {187.08, 187.08, 187.08}},
    {"Courier New", "Liberation Mono", {187.08, 187.08, 187.08}},
}};

}  // namespace zingbox::test::device_fonts
