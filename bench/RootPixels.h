#pragma once

#include <X11/Xlib.h>

#include <vector>

// Which colour a small region of the X screen shows, read from the root window.
namespace zingbox::bench {

struct Region {
  int x, y, width, height;
};

class RootPixels {
 public:
  explicit RootPixels(Display* display);

  bool Contains(const Region& r) const;
  // The index in `colours` (0xrrggbb) of the colour every pixel of the region shows,
  // within a small distance; -1 when it shows none of them.
  int ShownColour(const Region& r, const std::vector<unsigned long>& colours) const;

 private:
  bool Near(unsigned long pixel, unsigned long rgb) const;

  Display* display_;
  Window root_;
  Visual* visual_;
};

}  // namespace zingbox::bench
