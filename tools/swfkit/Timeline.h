#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/swfkit/Actions.h"
#include "tools/swfkit/CharacterId.h"
#include "tools/swfkit/Geometry.h"

namespace zingbox::swf {

using Depth = std::uint16_t;

struct Placement {
  Point at{};
  // Instance name, so actions can reach it ("ship" for _root.ship). Only sprites, buttons
  // and texts can be reached: wrap a shape in a sprite to move it from actions.
  std::string name{};
  double scale = 1;
};

// The frames of the main movie or of a sprite. Calls before showFrame() belong to the
// frame that showFrame() closes; an unclosed last frame is closed when written.
class Timeline {
 public:
  Timeline& place(Depth depth, CharacterId character, Placement placement = {});
  Timeline& move(Depth depth, Point to);
  Timeline& replace(Depth depth, CharacterId character, Placement placement = {});
  Timeline& remove(Depth depth);
  Timeline& actions(const Actions& frameActions);
  Timeline& label(std::string_view frameLabel);
  Timeline& showFrame();

  std::uint16_t frameCount() const;
  // The control tags, ShowFrame-terminated, without the closing End tag.
  std::vector<std::uint8_t> tags() const;

 private:
  Timeline& addTag(const std::vector<std::uint8_t>& tag);

  std::vector<std::uint8_t> tags_;
  std::uint16_t closedFrames_ = 0;
  bool frameOpen_ = false;
};

}  // namespace zingbox::swf
