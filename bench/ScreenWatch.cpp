// screen-watch: tells the benchmark when something shows on the X screen. One process
// serves a whole run; it reads one request a line from stdin:
//   watch <timeout ms> <x> <y> <width> <height> <rrggbb> [<x> <y> <width> <height> <rrggbb> ...]
//     answers "ready" once it has looked at the screen the first time, then, when every
//     region has shown its colour or the time is out, "seen" followed by one field per
//     region: the CLOCK_MONOTONIC time in ms at which it first showed its colour, or "-".
//   press <timeout ms> <key> <x> <y> <width> <height> <rrggbb> [...]
//     looks once, presses the key (an X keysym name) with the X test extension, holds it
//     until every region has shown its colour or the time is out, then lets it go; answers
//     "seen <ms of the press>" followed by one field per region, as for watch.
//   pace <duration ms> <x> <y> <width> <height> <rrggbb> [<rrggbb> ...]
//     looks at one region for the duration and answers "paced" followed by a time and a
//     colour index (0 for the first colour) for every change of which colour it shows.
// A region shows a colour when each of its pixels is within a small distance of it.
// It looks by asking the X server for the regions' pixels every few milliseconds;
// between requests it waits on stdin and costs nothing.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "bench/RootPixels.h"

namespace zingbox::bench {
namespace {

constexpr long WatchPollNanoseconds = 4'000'000;
// Frames come every 16.7 ms at 60 fps: looking twice as often as for a first frame keeps
// an interval's error within 2 ms. A key's answer, looked for only while the key is held,
// is timed to the millisecond.
constexpr long PacePollNanoseconds = 2'000'000;
constexpr long PressPollNanoseconds = 1'000'000;

struct WatchedRegion {
  Region area;
  unsigned long rgb;
  std::optional<double> seenMs;
};

double MonotonicMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void Pause(long nanoseconds) {
  const timespec pause{0, nanoseconds};
  nanosleep(&pause, nullptr);
}

std::optional<unsigned long> ParseColour(const std::string& colour) {
  char* end = nullptr;
  const unsigned long rgb = std::strtoul(colour.c_str(), &end, 16);
  if (colour.size() != 6 || *end != '\0') return std::nullopt;
  return rgb;
}

std::optional<std::vector<WatchedRegion>> ParseRegions(std::istringstream& fields) {
  std::vector<WatchedRegion> regions;
  WatchedRegion r{};
  std::string colour;
  while (fields >> r.area.x >> r.area.y >> r.area.width >> r.area.height >> colour) {
    const std::optional<unsigned long> rgb = ParseColour(colour);
    if (!rgb) return std::nullopt;
    r.rgb = *rgb;
    regions.push_back(r);
  }
  if (!fields.eof() || regions.empty()) return std::nullopt;
  return regions;
}

// Looks until every region has shown its colour or the time is out; `looked` runs once,
// after the first look.
template <typename AfterFirstLook>
void WatchUntilSeen(const RootPixels& screen, std::vector<WatchedRegion>& regions, double timeoutMs,
                    long pollNanoseconds, AfterFirstLook looked) {
  const double deadline = MonotonicMs() + timeoutMs;
  bool first = true;
  for (;;) {
    bool waiting = false;
    for (WatchedRegion& r : regions) {
      if (!r.seenMs && screen.ShownColour(r.area, {r.rgb}) == 0) r.seenMs = MonotonicMs();
      waiting = waiting || !r.seenMs;
    }
    if (first) {
      looked();
      first = false;
    }
    if (!waiting || MonotonicMs() >= deadline) break;
    Pause(pollNanoseconds);
  }
}

void AnswerSeen(const std::vector<WatchedRegion>& regions, std::optional<double> pressedMs) {
  std::cout << "seen";
  if (pressedMs) std::cout << ' ' << std::fixed << *pressedMs;
  for (const WatchedRegion& r : regions) {
    if (r.seenMs) {
      std::cout << ' ' << std::fixed << *r.seenMs;
    } else {
      std::cout << " -";
    }
  }
  std::cout << std::endl;
}

void Pace(const RootPixels& screen, const Region& area, const std::vector<unsigned long>& colours, double durationMs) {
  const double deadline = MonotonicMs() + durationMs;
  int last = -1;
  std::ostringstream changes;
  changes << std::fixed;
  while (MonotonicMs() < deadline) {
    const int shown = screen.ShownColour(area, colours);
    if (shown >= 0 && shown != last) {
      changes << ' ' << MonotonicMs() << ' ' << shown;
      last = shown;
    }
    Pause(PacePollNanoseconds);
  }
  std::cout << "paced" << changes.str() << std::endl;
}

class Watcher {
 public:
  explicit Watcher(Display* display) : display_(display), screen_(display) {}

  void Serve(const std::string& line) {
    std::istringstream fields(line);
    std::string request;
    double ms = 0;
    if (!(fields >> request >> ms) || (request != "watch" && request != "press" && request != "pace")) {
      std::cout << "error: not a request: " << line << std::endl;
      return;
    }
    if (request == "pace") {
      ServePace(fields, ms, line);
      return;
    }
    std::string key;
    if (request == "press") fields >> key;
    const KeySym keysym = key.empty() ? NoSymbol : XStringToKeysym(key.c_str());
    const KeyCode keycode = keysym == NoSymbol ? 0 : XKeysymToKeycode(display_, keysym);
    std::optional<std::vector<WatchedRegion>> regions = ParseRegions(fields);
    if (!regions || !OnScreen(*regions) || (request == "press" && keycode == 0)) {
      std::cout << "error: expected [<key>] <x> <y> <width> <height> <rrggbb> ... on the screen: " << line
                << std::endl;
      return;
    }
    if (request == "watch") {
      WatchUntilSeen(screen_, *regions, ms, WatchPollNanoseconds, [] { std::cout << "ready" << std::endl; });
      AnswerSeen(*regions, std::nullopt);
      return;
    }
    double pressedMs = 0;
    WatchUntilSeen(screen_, *regions, ms, PressPollNanoseconds, [&] {
      pressedMs = MonotonicMs();
      XTestFakeKeyEvent(display_, keycode, True, CurrentTime);
      XFlush(display_);
    });
    XTestFakeKeyEvent(display_, keycode, False, CurrentTime);
    XFlush(display_);
    AnswerSeen(*regions, pressedMs);
  }

 private:
  bool OnScreen(const std::vector<WatchedRegion>& regions) const {
    for (const WatchedRegion& r : regions) {
      if (!screen_.Contains(r.area)) return false;
    }
    return true;
  }

  void ServePace(std::istringstream& fields, double durationMs, const std::string& line) {
    Region area{};
    std::vector<unsigned long> colours;
    std::string colour;
    bool valid = static_cast<bool>(fields >> area.x >> area.y >> area.width >> area.height);
    while (valid && fields >> colour) {
      const std::optional<unsigned long> rgb = ParseColour(colour);
      valid = rgb.has_value();
      if (valid) colours.push_back(*rgb);
    }
    if (!valid || colours.empty() || !screen_.Contains(area)) {
      std::cout << "error: expected <x> <y> <width> <height> <rrggbb> ... on the screen: " << line << std::endl;
      return;
    }
    Pace(screen_, area, colours, durationMs);
  }

  Display* display_;
  RootPixels screen_;
};

}  // namespace
}  // namespace zingbox::bench

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "screen-watch: cannot open the X display\n");
    return 1;
  }
  int event = 0, error = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(display, &event, &error, &major, &minor)) {
    std::fprintf(stderr, "screen-watch: the X server has no XTEST extension\n");
    return 1;
  }
  zingbox::bench::Watcher watcher(display);
  std::string line;
  while (std::getline(std::cin, line)) watcher.Serve(line);
  XCloseDisplay(display);
  return 0;
}
