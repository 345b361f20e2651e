#include "tools/swfkit/Definitions.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace zingbox::swf::definitions {
namespace {

using encoding::BitWriter;
using encoding::ByteWriter;
using encoding::toTwips;

struct TwipsPoint {
  std::int32_t x;
  std::int32_t y;
};

TwipsPoint twips(Point point) { return {toTwips(point.x), toTwips(point.y)}; }

encoding::TwipsRect bounds(const Shape& shape) {
  bool first = true;
  encoding::TwipsRect area;
  for (const auto& outline : shape.outlines()) {
    for (const Point corner : outline.corners) {
      const TwipsPoint at = twips(corner);
      area.xMin = first ? at.x : std::min(area.xMin, at.x);
      area.xMax = first ? at.x : std::max(area.xMax, at.x);
      area.yMin = first ? at.y : std::min(area.yMin, at.y);
      area.yMax = first ? at.y : std::max(area.yMax, at.y);
      first = false;
    }
  }
  return area;
}

void moveTo(BitWriter& records, TwipsPoint to, std::uint32_t fillStyle, int fillBits) {
  constexpr std::uint32_t changeFillStyles0And1AndMove = 0b000111;  // type 0, no new/line styles
  const int moveBits = std::max(encoding::signedBitCount(to.x), encoding::signedBitCount(to.y));
  records.unsignedBits(changeFillStyles0And1AndMove, 6)
      .unsignedBits(static_cast<std::uint32_t>(moveBits), 5)
      .signedBits(to.x, moveBits)
      .signedBits(to.y, moveBits)
      .unsignedBits(0, fillBits)  // nothing on the other side of the outline
      .unsignedBits(fillStyle, fillBits);
}

void lineBy(BitWriter& records, std::int32_t dx, std::int32_t dy) {
  const int bits = std::max({encoding::signedBitCount(dx), encoding::signedBitCount(dy), 2});
  records.unsignedBits(0b11, 2)  // edge record, straight
      .unsignedBits(static_cast<std::uint32_t>(bits - 2), 4)
      .unsignedBits(1, 1)  // general line: both deltas follow
      .signedBits(dx, bits)
      .signedBits(dy, bits);
}

encoding::Bytes rgba(Color color) {
  return ByteWriter().u8(color.red).u8(color.green).u8(color.blue).u8(0xff).take();
}

std::uint8_t alignCode(Align align) {
  switch (align) {
    case Align::Left: return 0;
    case Align::Right: return 1;
    case Align::Center: return 2;
  }
  throw std::invalid_argument("unknown alignment");
}

}  // namespace

encoding::Bytes shape(CharacterId id, const Shape& shape) {
  const auto& outlines = shape.outlines();
  if (outlines.size() > 254) throw std::length_error("too many outlines in one shape");

  ByteWriter payload;
  payload.u16(id.value).bytes(encoding::rect(bounds(shape)));
  payload.u8(static_cast<std::uint8_t>(outlines.size()));
  for (const auto& outline : outlines) {
    payload.u8(0x00).u8(outline.fill.red).u8(outline.fill.green).u8(outline.fill.blue);
  }
  payload.u8(0);  // no line styles

  const int fillBits = encoding::unsignedBitCount(static_cast<std::uint32_t>(outlines.size()));
  payload.u8(static_cast<std::uint8_t>(fillBits << 4));  // line style bits: 0
  BitWriter records;
  std::uint32_t fillStyle = 1;
  for (const auto& outline : outlines) {
    const TwipsPoint start = twips(outline.corners.front());
    moveTo(records, start, fillStyle++, fillBits);
    TwipsPoint at = start;
    // Deltas come from rounded positions, so every outline closes exactly.
    for (std::size_t i = 1; i <= outline.corners.size(); ++i) {
      const TwipsPoint next = i < outline.corners.size() ? twips(outline.corners[i]) : start;
      lineBy(records, next.x - at.x, next.y - at.y);
      at = next;
    }
  }
  records.unsignedBits(0, 6);  // end of shape
  payload.bytes(records.finish());
  return encoding::tag(encoding::tag_code::DefineShape, payload.data());
}

encoding::Bytes deviceFont(CharacterId id, std::string_view fontName, bool bold, bool italic) {
  constexpr std::uint8_t wideCodes = 0x04;  // required from version 6 on
  constexpr std::uint8_t italicFlag = 0x02, boldFlag = 0x01;
  if (fontName.empty() || fontName.size() > 255) throw std::invalid_argument("bad font name");
  const std::uint8_t flags = wideCodes | (italic ? italicFlag : 0) | (bold ? boldFlag : 0);
  ByteWriter payload;
  payload.u16(id.value).u8(flags).u8(0).u8(static_cast<std::uint8_t>(fontName.size()));
  for (const char letter : fontName) payload.u8(static_cast<std::uint8_t>(letter));
  // No glyphs; readers differ on whether the code table offset follows, so write it.
  payload.u16(0).u16(2);
  return encoding::tag(encoding::tag_code::DefineFont2, payload.data());
}

encoding::Bytes text(CharacterId id, CharacterId font, const Text& text) {
  constexpr std::uint8_t hasText = 0x80, wordWrap = 0x40, multiline = 0x20, readOnly = 0x08,
                         hasTextColor = 0x04, hasFont = 0x01;
  constexpr std::uint8_t hasLayout = 0x20, noSelect = 0x10;

  const double height = text.size * 20;
  if (!(height > 0 && height <= std::numeric_limits<std::uint16_t>::max())) {
    throw std::range_error("text size out of range");
  }
  const encoding::TwipsRect area{toTwips(text.area.left), toTwips(text.area.left + text.area.width),
                                 toTwips(text.area.top), toTwips(text.area.top + text.area.height)};
  ByteWriter payload;
  payload.u16(id.value).bytes(encoding::rect(area));
  payload.u8(hasText | wordWrap | multiline | readOnly | hasTextColor | hasFont);
  payload.u8(hasLayout | noSelect);
  payload.u16(font.value).u16(static_cast<std::uint16_t>(height)).bytes(rgba(text.color));
  payload.u8(alignCode(text.align)).u16(0).u16(0).u16(0).s16(0);  // margins, indent, leading
  payload.string(text.variable).string(text.content);
  return encoding::tag(encoding::tag_code::DefineEditText, payload.data());
}

encoding::Bytes button(CharacterId id, const Button& button) {
  constexpr std::uint8_t overDownToOverUp = 0x08;  // released while over the button
  ByteWriter records;
  std::uint16_t depth = 1;
  for (const auto& layer : button.layers()) {
    records.u8(static_cast<std::uint8_t>(layer.states)).u16(layer.look.value).u16(depth++);
    records.bytes(encoding::matrix(toTwips(layer.at.x), toTwips(layer.at.y)));
    records.u8(0);  // colour transform without add or multiply terms
  }
  records.u8(0);  // end of records

  ByteWriter payload;
  payload.u16(id.value).u8(0);  // not tracked as a menu
  const bool hasActions = !button.releaseActions().empty();
  // The offset counts from the offset field itself to the first condition.
  payload.u16(hasActions ? static_cast<std::uint16_t>(2 + records.data().size()) : 0);
  payload.bytes(records.data());
  if (hasActions) {
    payload.u16(0).u8(overDownToOverUp).u8(0).bytes(button.releaseActions().bytes());
  }
  return encoding::tag(encoding::tag_code::DefineButton2, payload.data());
}

encoding::Bytes sprite(CharacterId id, const Timeline& sprite) {
  ByteWriter payload;
  payload.u16(id.value).u16(sprite.frameCount()).bytes(sprite.tags());
  payload.bytes(encoding::tag(encoding::tag_code::End, {}));
  return encoding::tag(encoding::tag_code::DefineSprite, payload.data());
}

}  // namespace zingbox::swf::definitions
