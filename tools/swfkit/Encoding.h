#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// The binary building blocks of the SWF format: little-endian integers, bit fields,
// twips, rectangles, matrices and tag headers.
namespace zingbox::swf::encoding {

using Bytes = std::vector<std::uint8_t>;

namespace tag_code {
inline constexpr std::uint16_t End = 0;
inline constexpr std::uint16_t ShowFrame = 1;
inline constexpr std::uint16_t DefineShape = 2;
inline constexpr std::uint16_t SetBackgroundColor = 9;
inline constexpr std::uint16_t DoAction = 12;
inline constexpr std::uint16_t PlaceObject2 = 26;
inline constexpr std::uint16_t RemoveObject2 = 28;
inline constexpr std::uint16_t DefineButton2 = 34;
inline constexpr std::uint16_t DefineEditText = 37;
inline constexpr std::uint16_t DefineSprite = 39;
inline constexpr std::uint16_t FrameLabel = 43;
inline constexpr std::uint16_t DefineFont2 = 48;
}  // namespace tag_code

// Appends little-endian values to a byte buffer.
class ByteWriter {
 public:
  ByteWriter& u8(std::uint8_t value);
  ByteWriter& u16(std::uint16_t value);
  ByteWriter& s16(std::int16_t value);
  ByteWriter& u32(std::uint32_t value);
  ByteWriter& bytes(const Bytes& more);
  ByteWriter& string(std::string_view utf8);  // NUL-terminated

  const Bytes& data() const { return data_; }
  Bytes take() { return std::move(data_); }

 private:
  Bytes data_;
};

// Packs bit fields most significant bit first, as RECT, MATRIX and shape records need.
class BitWriter {
 public:
  BitWriter& unsignedBits(std::uint32_t value, int count);
  BitWriter& signedBits(std::int32_t value, int count);
  Bytes finish();  // pads the last byte with zero bits

 private:
  Bytes data_;
  int usedBitsInLastByte_ = 8;
};

// Bits a signed bit field needs to hold value (0 needs none).
int signedBitCount(std::int32_t value);
// Bits an unsigned bit field needs to hold value.
int unsignedBitCount(std::uint32_t value);

// Pixels to twips, rounded to the nearest twip; throws std::range_error when out of range.
std::int32_t toTwips(double pixels);

struct TwipsRect {
  std::int32_t xMin = 0;
  std::int32_t xMax = 0;
  std::int32_t yMin = 0;
  std::int32_t yMax = 0;
};

// RECT with the smallest field width that holds all four values.
Bytes rect(const TwipsRect& area);
// MATRIX with a translation (twips) and, unless it is 1, a uniform scale.
Bytes matrix(std::int32_t translateX, std::int32_t translateY, double scale = 1);

// A whole tag: short header for payloads under 63 bytes, long header otherwise.
Bytes tag(std::uint16_t code, const Bytes& payload);

}  // namespace zingbox::swf::encoding
