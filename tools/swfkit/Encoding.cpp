#include "tools/swfkit/Encoding.h"

#include <bit>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace zingbox::swf::encoding {

ByteWriter& ByteWriter::u8(std::uint8_t value) {
  data_.push_back(value);
  return *this;
}

ByteWriter& ByteWriter::u16(std::uint16_t value) {
  return u8(static_cast<std::uint8_t>(value)).u8(static_cast<std::uint8_t>(value >> 8));
}

ByteWriter& ByteWriter::s16(std::int16_t value) { return u16(static_cast<std::uint16_t>(value)); }

ByteWriter& ByteWriter::u32(std::uint32_t value) {
  return u16(static_cast<std::uint16_t>(value)).u16(static_cast<std::uint16_t>(value >> 16));
}

ByteWriter& ByteWriter::bytes(const Bytes& more) {
  data_.insert(data_.end(), more.begin(), more.end());
  return *this;
}

ByteWriter& ByteWriter::string(std::string_view utf8) {
  if (utf8.find('\0') != std::string_view::npos) {
    throw std::invalid_argument("SWF strings cannot contain NUL characters");
  }
  data_.insert(data_.end(), utf8.begin(), utf8.end());
  return u8(0);
}

BitWriter& BitWriter::unsignedBits(std::uint32_t value, int count) {
  for (int bit = count - 1; bit >= 0; --bit) {
    if (usedBitsInLastByte_ == 8) {
      data_.push_back(0);
      usedBitsInLastByte_ = 0;
    }
    if ((value >> bit) & 1U) {
      data_.back() |= static_cast<std::uint8_t>(0x80U >> usedBitsInLastByte_);
    }
    ++usedBitsInLastByte_;
  }
  return *this;
}

BitWriter& BitWriter::signedBits(std::int32_t value, int count) {
  if (count < signedBitCount(value)) {
    throw std::range_error("value does not fit its signed bit field");
  }
  // Two's complement: the low `count` bits of the value carry the sign.
  return unsignedBits(static_cast<std::uint32_t>(value), count);
}

Bytes BitWriter::finish() {
  usedBitsInLastByte_ = 8;
  return std::move(data_);
}

int signedBitCount(std::int32_t value) {
  if (value == 0) return 0;
  const auto magnitude = static_cast<std::uint32_t>(value < 0 ? ~value : value);
  return std::bit_width(magnitude) + 1;
}

int unsignedBitCount(std::uint32_t value) { return std::bit_width(value); }

std::int32_t toTwips(double pixels) {
  const double twips = std::round(pixels * 20);
  // RECT and MATRIX fields hold at most 31 bits: stay well inside them.
  constexpr double limit = std::numeric_limits<std::int32_t>::max() / 2;
  if (!(std::abs(twips) <= limit)) throw std::range_error("coordinate out of range for SWF");
  return static_cast<std::int32_t>(twips);
}

Bytes rect(const TwipsRect& area) {
  int bits = 0;
  for (const std::int32_t value : {area.xMin, area.xMax, area.yMin, area.yMax}) {
    bits = std::max(bits, signedBitCount(value));
  }
  return BitWriter()
      .unsignedBits(static_cast<std::uint32_t>(bits), 5)
      .signedBits(area.xMin, bits)
      .signedBits(area.xMax, bits)
      .signedBits(area.yMin, bits)
      .signedBits(area.yMax, bits)
      .finish();
}

Bytes matrix(std::int32_t translateX, std::int32_t translateY, double scale) {
  BitWriter bits;
  const bool scaled = scale != 1;
  bits.unsignedBits(scaled ? 1 : 0, 1);
  if (scaled) {
    const auto fixed = static_cast<std::int32_t>(std::lround(scale * 65536));
    const int scaleBits = std::max(signedBitCount(fixed), 1);
    bits.unsignedBits(static_cast<std::uint32_t>(scaleBits), 5)
        .signedBits(fixed, scaleBits)
        .signedBits(fixed, scaleBits);
  }
  bits.unsignedBits(0, 1);  // no rotation
  const int translateBits = std::max(signedBitCount(translateX), signedBitCount(translateY));
  bits.unsignedBits(static_cast<std::uint32_t>(translateBits), 5)
      .signedBits(translateX, translateBits)
      .signedBits(translateY, translateBits);
  return bits.finish();
}

Bytes tag(std::uint16_t code, const Bytes& payload) {
  constexpr std::size_t longLengthMarker = 0x3f;
  ByteWriter out;
  if (payload.size() < longLengthMarker) {
    out.u16(static_cast<std::uint16_t>(code << 6 | payload.size()));
  } else {
    if (payload.size() > std::numeric_limits<std::uint32_t>::max()) {
      throw std::length_error("SWF tag too long");
    }
    out.u16(static_cast<std::uint16_t>(code << 6 | longLengthMarker));
    out.u32(static_cast<std::uint32_t>(payload.size()));
  }
  return out.bytes(payload).take();
}

}  // namespace zingbox::swf::encoding
