#include "demo/Motion.h"

#include <cmath>
#include <numbers>

namespace zingbox::demo {
namespace {

constexpr swf::Depth lookDepth = 1;

swf::Point between(swf::Point from, swf::Point to, double share) {
  return {from.x + (to.x - from.x) * share, from.y + (to.y - from.y) * share};
}

}  // namespace

swf::Timeline drift(swf::CharacterId look, swf::Point from, swf::Point to, int frames) {
  swf::Timeline timeline;
  timeline.place(lookDepth, look, {.at = from}).showFrame();
  for (int frame = 1; frame < frames; ++frame) {
    timeline.move(lookDepth, between(from, to, double(frame) / frames)).showFrame();
  }
  return timeline;
}

swf::Timeline shuttle(swf::CharacterId look, swf::Point from, swf::Point to, int frames) {
  swf::Timeline timeline = drift(look, from, to, frames);
  for (int frame = 0; frame < frames; ++frame) {
    timeline.move(lookDepth, between(to, from, double(frame) / frames)).showFrame();
  }
  return timeline;
}

swf::Timeline orbit(swf::CharacterId look, swf::Point centre, double radius, int frames) {
  swf::Timeline timeline;
  for (int frame = 0; frame < frames; ++frame) {
    const double angle = 2 * std::numbers::pi * frame / frames;
    const swf::Point at{centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
    if (frame == 0) {
      timeline.place(lookDepth, look, {.at = at});
    } else {
      timeline.move(lookDepth, at);
    }
    timeline.showFrame();
  }
  return timeline;
}

}  // namespace zingbox::demo
