#include "tools/swfkit/Movie.h"

#include <cmath>
#include <fstream>
#include <limits>
#include <stdexcept>

#include "tools/swfkit/Definitions.h"
#include "tools/swfkit/Encoding.h"

namespace zingbox::swf {
namespace {

std::uint16_t frameRate8Dot8(double framesPerSecond) {
  const double fixed = std::round(framesPerSecond * 256);
  if (!(fixed >= 1 && fixed <= std::numeric_limits<std::uint16_t>::max())) {
    throw std::range_error("frame rate out of range");
  }
  return static_cast<std::uint16_t>(fixed);
}

}  // namespace

Movie::Movie(Stage stage) : stage_(stage) {
  if (!(stage.width > 0 && stage.height > 0)) throw std::invalid_argument("empty stage");
  frameRate8Dot8(stage.frameRate);  // reject a bad rate now rather than when writing
}

CharacterId Movie::nextId() {
  if (lastId_ == std::numeric_limits<std::uint16_t>::max()) {
    throw std::length_error("too many characters");
  }
  return CharacterId{++lastId_};
}

void Movie::addDefinition(const std::vector<std::uint8_t>& tag) {
  definitions_.insert(definitions_.end(), tag.begin(), tag.end());
}

CharacterId Movie::defineShape(const Shape& shape) {
  const CharacterId id = nextId();
  addDefinition(definitions::shape(id, shape));
  return id;
}

CharacterId Movie::fontFor(const Text& text) {
  const FontKey key{text.font, text.bold, text.italic};
  if (const auto known = fonts_.find(key); known != fonts_.end()) return known->second;
  const CharacterId id = nextId();
  addDefinition(definitions::deviceFont(id, text.font, text.bold, text.italic));
  fonts_.emplace(key, id);
  return id;
}

CharacterId Movie::defineText(const Text& text) {
  const CharacterId font = fontFor(text);
  const CharacterId id = nextId();
  addDefinition(definitions::text(id, font, text));
  return id;
}

CharacterId Movie::defineButton(const Button& button) {
  const CharacterId id = nextId();
  addDefinition(definitions::button(id, button));
  return id;
}

CharacterId Movie::defineSprite(const Timeline& sprite) {
  const CharacterId id = nextId();
  addDefinition(definitions::sprite(id, sprite));
  return id;
}

std::vector<std::uint8_t> Movie::bytes() const {
  using encoding::tag;
  encoding::ByteWriter body;
  body.bytes(encoding::rect({0, encoding::toTwips(stage_.width), 0, encoding::toTwips(stage_.height)}));
  body.u16(frameRate8Dot8(stage_.frameRate)).u16(timeline_.frameCount());
  const Color bg = stage_.background;
  body.bytes(tag(encoding::tag_code::SetBackgroundColor,
                 encoding::ByteWriter().u8(bg.red).u8(bg.green).u8(bg.blue).take()));
  body.bytes(definitions_).bytes(timeline_.tags()).bytes(tag(encoding::tag_code::End, {}));

  constexpr std::size_t headerSize = 8;  // signature, version, file length
  const std::size_t fileLength = headerSize + body.data().size();
  if (fileLength > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("movie too big");
  encoding::ByteWriter file;
  file.u8('F').u8('W').u8('S').u8(stage_.version).u32(static_cast<std::uint32_t>(fileLength));
  return file.bytes(body.data()).take();
}

void Movie::writeTo(const std::filesystem::path& file) const {
  const auto data = bytes();
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace zingbox::swf
