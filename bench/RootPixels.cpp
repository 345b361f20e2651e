#include "bench/RootPixels.h"

#include <X11/Xutil.h>

#include <bit>
#include <cstdlib>

namespace zingbox::bench {
namespace {

constexpr int ChannelTolerance = 12;  // the canvas and the skin's scaling may round a little

int Channel(unsigned long pixel, unsigned long mask) {
  const int shift = std::countr_zero(mask);
  const unsigned long value = (pixel & mask) >> shift;
  const unsigned long top = mask >> shift;
  return static_cast<int>(value * 255 / top);
}

}  // namespace

RootPixels::RootPixels(Display* display)
    : display_(display), root_(DefaultRootWindow(display)), visual_(DefaultVisual(display, DefaultScreen(display))) {}

bool RootPixels::Contains(const Region& r) const {
  return r.x >= 0 && r.y >= 0 && r.width > 0 && r.height > 0 &&
         r.x + r.width <= DisplayWidth(display_, DefaultScreen(display_)) &&
         r.y + r.height <= DisplayHeight(display_, DefaultScreen(display_));
}

int RootPixels::ShownColour(const Region& r, const std::vector<unsigned long>& colours) const {
  XImage* image = XGetImage(display_, root_, r.x, r.y, r.width, r.height, AllPlanes, ZPixmap);
  if (image == nullptr) return -1;
  int shown = -1;
  for (int i = 0; shown < 0 && i < static_cast<int>(colours.size()); ++i) {
    bool all = true;
    for (int row = 0; all && row < r.height; ++row) {
      for (int column = 0; all && column < r.width; ++column) all = Near(XGetPixel(image, column, row), colours[i]);
    }
    if (all) shown = i;
  }
  XDestroyImage(image);
  return shown;
}

bool RootPixels::Near(unsigned long pixel, unsigned long rgb) const {
  const int wanted[] = {int(rgb >> 16 & 0xff), int(rgb >> 8 & 0xff), int(rgb & 0xff)};
  const int shown[] = {Channel(pixel, visual_->red_mask), Channel(pixel, visual_->green_mask),
                       Channel(pixel, visual_->blue_mask)};
  for (int i = 0; i < 3; ++i) {
    if (std::abs(wanted[i] - shown[i]) > ChannelTolerance) return false;
  }
  return true;
}

}  // namespace zingbox::bench
