#pragma once

#include "tools/swfkit/Button.h"
#include "tools/swfkit/CharacterId.h"
#include "tools/swfkit/Encoding.h"
#include "tools/swfkit/Shape.h"
#include "tools/swfkit/Text.h"
#include "tools/swfkit/Timeline.h"

// Whole definition tags, each for a character id that Movie has handed out.
namespace zingbox::swf::definitions {

encoding::Bytes shape(CharacterId id, const Shape& shape);
// A device font: a name, its bold and italic flags, and no glyphs, so the player draws the
// letters itself.
encoding::Bytes deviceFont(CharacterId id, std::string_view fontName, bool bold = false,
                           bool italic = false);
encoding::Bytes text(CharacterId id, CharacterId font, const Text& text);
encoding::Bytes button(CharacterId id, const Button& button);
encoding::Bytes sprite(CharacterId id, const Timeline& sprite);

}  // namespace zingbox::swf::definitions
