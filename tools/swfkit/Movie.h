#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "tools/swfkit/Button.h"
#include "tools/swfkit/CharacterId.h"
#include "tools/swfkit/Geometry.h"
#include "tools/swfkit/Shape.h"
#include "tools/swfkit/Text.h"
#include "tools/swfkit/Timeline.h"

namespace zingbox::swf {

struct Stage {
  double width = 640;
  double height = 480;
  double frameRate = 24;
  Color background = {255, 255, 255};
  // The Flash Player version the movie is made for; 8 brings flash.external and the
  // other "flash" packages.
  std::uint8_t version = 6;
};

// An uncompressed SWF movie. Define characters first (each define returns the
// id to place), then fill the main timeline:
//   Movie movie({.width = 640, .height = 480, .frameRate = 24, .background = Color::rgb(0x102040)});
//   CharacterId box = movie.defineShape(Shape().rectangle({0, 0, 50, 50}, Color::rgb(0xff0000)));
//   movie.timeline().place(1, box, {.at = {100, 100}}).showFrame();
//   movie.writeTo("box.swf");
class Movie {
 public:
  explicit Movie(Stage stage);

  CharacterId defineShape(const Shape& shape);
  CharacterId defineText(const Text& text);
  CharacterId defineButton(const Button& button);
  CharacterId defineSprite(const Timeline& sprite);

  Timeline& timeline() { return timeline_; }

  std::vector<std::uint8_t> bytes() const;
  void writeTo(const std::filesystem::path& file) const;  // throws std::runtime_error

 private:
  CharacterId nextId();
  void addDefinition(const std::vector<std::uint8_t>& tag);
  CharacterId fontFor(const Text& text);

  Stage stage_;
  std::vector<std::uint8_t> definitions_;  // definition tags, in the order defined
  using FontKey = std::tuple<std::string, bool, bool>;  // name, bold, italic
  std::map<FontKey, CharacterId> fonts_;
  std::uint16_t lastId_ = 0;
  Timeline timeline_;
};

}  // namespace zingbox::swf
