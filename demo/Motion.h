#pragma once

#include "tools/swfkit/Movie.h"

// Looping sprite timelines that keep a demo scene visibly alive.
namespace zingbox::demo {

// Goes from `from` to `to` and back, in `frames` frames each way.
swf::Timeline shuttle(swf::CharacterId look, swf::Point from, swf::Point to, int frames);
// Circles `centre` once every `frames` frames.
swf::Timeline orbit(swf::CharacterId look, swf::Point centre, double radius, int frames);
// Travels from `from` to `to` in `frames` frames, then starts again from `from`.
swf::Timeline drift(swf::CharacterId look, swf::Point from, swf::Point to, int frames);

}  // namespace zingbox::demo
