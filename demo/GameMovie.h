#pragma once

#include <string>

#include "tools/swfkit/Movie.h"

// The frame every demo game shares: its title, a running tick counter, a hint, and a
// frame loop that lets the arrow keys steer the game's hero.
namespace zingbox::demo {

struct GameLook {
  std::string title;
  swf::Color stage;
  swf::Color ink;  // title and counter
  std::string heroName;  // for the hint: "Arrow keys move the <heroName>"
};

class GameMovie {
 public:
  explicit GameMovie(GameLook look);

  swf::Movie& movie() { return movie_; }
  // Scenery stacks in call order, later on top; all of it lies below the hero.
  GameMovie& scenery(swf::CharacterId character, swf::Point at = {});
  GameMovie& hero(swf::CharacterId look, swf::Point start);
  swf::Movie finish();

 private:
  GameLook look_;
  swf::Movie movie_;
  swf::Depth nextDepth_ = 1;
  bool hasHero_ = false;
};

}  // namespace zingbox::demo
