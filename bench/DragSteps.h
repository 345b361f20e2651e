#pragma once

namespace zingbox::bench {

// How far a border dragged outwards and back has travelled at a given step, in pixels:
// one pixel a step, 40 pixels each way.
inline int DraggedPixels(int step) {
  const int phase = step % 80;
  return phase < 40 ? phase : 80 - phase;
}

}  // namespace zingbox::bench
