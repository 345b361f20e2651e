// screen-watch: tells the benchmark when something shows on the X screen. One process
// serves a whole run; it reads one request a line from stdin:
//   watch <timeout ms> <x> <y> <width> <height> <rrggbb> [<x> <y> <width> <height> <rrggbb> ...]
// It answers "ready" once it has looked at the screen the first time, then, when every
// region has shown its colour or the time is out, "seen" followed by one field per region:
// the CLOCK_MONOTONIC time in ms at which that region first showed its colour, or "-".
// A region shows a colour when each of its pixels is within a small distance of it.
// It looks by asking the X server for the regions' pixels every few milliseconds;
// between watches it waits on stdin and costs nothing.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr long PollNanoseconds = 4'000'000;
constexpr int ChannelTolerance = 12;  // the canvas and the skin's scaling may round a little

struct WatchedRegion {
  int x, y, width, height;
  unsigned long rgb;
  std::optional<double> seenMs;
};

double MonotonicMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

class RootPixels {
 public:
  explicit RootPixels(Display* display)
      : display_(display), root_(DefaultRootWindow(display)), visual_(DefaultVisual(display, DefaultScreen(display))) {}

  bool Contains(const WatchedRegion& r) const {
    return r.x >= 0 && r.y >= 0 && r.width > 0 && r.height > 0 &&
           r.x + r.width <= DisplayWidth(display_, DefaultScreen(display_)) &&
           r.y + r.height <= DisplayHeight(display_, DefaultScreen(display_));
  }

  bool Shows(const WatchedRegion& r) const {
    XImage* image = XGetImage(display_, root_, r.x, r.y, r.width, r.height, AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    bool all = true;
    for (int row = 0; all && row < r.height; ++row) {
      for (int column = 0; all && column < r.width; ++column) {
        all = Near(XGetPixel(image, column, row), r.rgb);
      }
    }
    XDestroyImage(image);
    return all;
  }

 private:
  static int Channel(unsigned long pixel, unsigned long mask) {
    const int shift = std::countr_zero(mask);
    const unsigned long value = (pixel & mask) >> shift;
    const unsigned long top = mask >> shift;
    return static_cast<int>(value * 255 / top);
  }

  bool Near(unsigned long pixel, unsigned long rgb) const {
    const int wanted[] = {int(rgb >> 16 & 0xff), int(rgb >> 8 & 0xff), int(rgb & 0xff)};
    const int shown[] = {Channel(pixel, visual_->red_mask), Channel(pixel, visual_->green_mask),
                         Channel(pixel, visual_->blue_mask)};
    for (int i = 0; i < 3; ++i) {
      if (std::abs(wanted[i] - shown[i]) > ChannelTolerance) return false;
    }
    return true;
  }

  Display* display_;
  Window root_;
  Visual* visual_;
};

std::optional<std::vector<WatchedRegion>> ParseRegions(std::istringstream& fields) {
  std::vector<WatchedRegion> regions;
  WatchedRegion r{};
  std::string colour;
  while (fields >> r.x >> r.y >> r.width >> r.height >> colour) {
    char* end = nullptr;
    r.rgb = std::strtoul(colour.c_str(), &end, 16);
    if (colour.size() != 6 || *end != '\0') return std::nullopt;
    regions.push_back(r);
  }
  if (!fields.eof() || regions.empty()) return std::nullopt;
  return regions;
}

void Watch(const RootPixels& screen, std::vector<WatchedRegion>& regions, double timeoutMs) {
  const double deadline = MonotonicMs() + timeoutMs;
  bool announced = false;
  for (;;) {
    bool waiting = false;
    for (WatchedRegion& r : regions) {
      if (!r.seenMs && screen.Shows(r)) r.seenMs = MonotonicMs();
      waiting = waiting || !r.seenMs;
    }
    if (!announced) {
      std::cout << "ready" << std::endl;
      announced = true;
    }
    if (!waiting || MonotonicMs() >= deadline) break;
    const timespec pause{0, PollNanoseconds};
    nanosleep(&pause, nullptr);
  }
  std::cout << "seen";
  for (const WatchedRegion& r : regions) {
    if (r.seenMs) {
      std::cout << ' ' << std::fixed << *r.seenMs;
    } else {
      std::cout << " -";
    }
  }
  std::cout << std::endl;
}

}  // namespace

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "screen-watch: cannot open the X display\n");
    return 1;
  }
  const RootPixels screen(display);
  std::string line;
  while (std::getline(std::cin, line)) {
    std::istringstream fields(line);
    std::string request;
    double timeoutMs = 0;
    if (!(fields >> request >> timeoutMs) || request != "watch") {
      std::cout << "error: not a watch request: " << line << std::endl;
      continue;
    }
    std::optional<std::vector<WatchedRegion>> regions = ParseRegions(fields);
    bool onScreen = regions.has_value();
    for (const WatchedRegion& r : regions.value_or(std::vector<WatchedRegion>{})) onScreen = onScreen && screen.Contains(r);
    if (!onScreen) {
      std::cout << "error: regions must be <x> <y> <width> <height> <rrggbb> on the screen: " << line << std::endl;
      continue;
    }
    Watch(screen, *regions, timeoutMs);
  }
  XCloseDisplay(display);
  return 0;
}
