#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zingbox::swf::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes ascii(const std::string& text) { return Bytes(text.begin(), text.end()); }

inline Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

inline std::uint16_t u16At(const Bytes& data, std::size_t at) {
  return static_cast<std::uint16_t>(data.at(at) | data.at(at + 1) << 8);
}

inline std::uint32_t u32At(const Bytes& data, std::size_t at) {
  return u16At(data, at) | static_cast<std::uint32_t>(u16At(data, at + 2)) << 16;
}

struct Tag {
  std::uint16_t code;
  Bytes payload;
};

// Splits a run of tags as a player reads them, long headers included.
inline std::vector<Tag> readTags(const Bytes& data, std::size_t from = 0) {
  std::vector<Tag> tags;
  std::size_t at = from;
  while (at < data.size()) {
    const std::uint16_t header = u16At(data, at);
    at += 2;
    std::size_t length = header & 0x3f;
    if (length == 0x3f) {
      length = u32At(data, at);
      at += 4;
    }
    tags.push_back({static_cast<std::uint16_t>(header >> 6),
                    Bytes(data.begin() + static_cast<std::ptrdiff_t>(at),
                          data.begin() + static_cast<std::ptrdiff_t>(at + length))});
    at += length;
  }
  return tags;
}

}  // namespace zingbox::swf::testing
