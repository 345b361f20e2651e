#pragma once

#include <string>

#include "tools/swfkit/Geometry.h"

namespace zingbox::swf {

enum class Align { Left, Right, Center };

// A text field drawn with a device font (DefineEditText), so no glyphs are embedded and
// the player supplies the letters. Fill it in with designated initialisers:
//   Text{.content = "Score", .area = {10, 10, 200, 30}, .size = 20, .color = white}
struct Text {
  std::string content{};  // UTF-8
  Rect area{};
  double size = 20;  // letter height in pixels
  Color color = {255, 255, 255};
  Align align = Align::Left;
  // When set, the field shows this AVM1 variable and follows its changes (a live counter).
  std::string variable{};
  std::string font = "_sans";
  bool bold = false;
  bool italic = false;
};

}  // namespace zingbox::swf
