// screen-probe: a bare X window that answers on a known schedule, against which the
// screen watcher is checked (screen_watch_check.py, and each benchmark run).
//   screen-probe <x> <y> <side> key <delay ms> <rrggbb>
//     black; takes the keyboard focus; a key press paints it the colour after the delay,
//     the key's release paints it black again.
//   screen-probe <x> <y> <side> cycle <interval ms> <rrggbb> [<rrggbb> ...]
//     paints the colours in turn, one every interval, for ever.
// It prints "shown" once its window is on the screen.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

timespec After(timespec from, double ms) {
  const long long nanoseconds = from.tv_nsec + static_cast<long long>(ms * 1e6);
  from.tv_sec += static_cast<time_t>(nanoseconds / 1'000'000'000);
  from.tv_nsec = static_cast<long>(nanoseconds % 1'000'000'000);
  return from;
}

timespec Now() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now;
}

class Square {
 public:
  Square(Display* display, int x, int y, int side) : display_(display), side_(side) {
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;  // where it is asked to be, with or without a window manager
    attributes.background_pixel = BlackPixel(display, DefaultScreen(display));
    attributes.event_mask = ExposureMask | KeyPressMask | KeyReleaseMask;
    window_ = XCreateWindow(display, DefaultRootWindow(display), x, y, static_cast<unsigned>(side),
                            static_cast<unsigned>(side), 0, CopyFromParent, InputOutput, CopyFromParent,
                            CWOverrideRedirect | CWBackPixel | CWEventMask, &attributes);
    gc_ = XCreateGC(display, window_, 0, nullptr);
    XMapRaised(display, window_);
    XEvent event{};
    do XNextEvent(display, &event);
    while (event.type != Expose);
    XSetInputFocus(display, window_, RevertToParent, CurrentTime);
    XSync(display, False);
  }

  void Paint(unsigned long rgb) {
    XColor colour{};
    colour.red = static_cast<unsigned short>((rgb >> 16 & 0xff) * 257);
    colour.green = static_cast<unsigned short>((rgb >> 8 & 0xff) * 257);
    colour.blue = static_cast<unsigned short>((rgb & 0xff) * 257);
    XAllocColor(display_, DefaultColormap(display_, DefaultScreen(display_)), &colour);
    XSetForeground(display_, gc_, colour.pixel);
    XFillRectangle(display_, window_, gc_, 0, 0, static_cast<unsigned>(side_), static_cast<unsigned>(side_));
    XFlush(display_);
  }

 private:
  Display* display_;
  int side_;
  Window window_;
  GC gc_;
};

[[noreturn]] void AnswerKeys(Display* display, Square& square, double delayMs, unsigned long rgb) {
  for (;;) {
    XEvent event{};
    XNextEvent(display, &event);
    if (event.type == KeyPress) {
      const timespec due = After(Now(), delayMs);
      clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr);
      square.Paint(rgb);
    } else if (event.type == KeyRelease) {
      square.Paint(0);
    }
  }
}

[[noreturn]] void Cycle(Square& square, double intervalMs, const std::vector<unsigned long>& colours) {
  timespec due = Now();
  for (std::size_t i = 0;; i = (i + 1) % colours.size()) {
    square.Paint(colours[i]);
    due = After(due, intervalMs);
    clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &due, nullptr);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const bool key = args.size() == 6 && args[3] == "key";
  const bool cycle = args.size() >= 6 && args[3] == "cycle";
  if (!key && !cycle) {
    std::fprintf(stderr, "usage: screen-probe <x> <y> <side> key <delay ms> <rrggbb>\n"
                         "       screen-probe <x> <y> <side> cycle <interval ms> <rrggbb>...\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "screen-probe: cannot open the X display\n");
    return 1;
  }
  Square square(display, std::stoi(args[0]), std::stoi(args[1]), std::stoi(args[2]));
  std::vector<unsigned long> colours;
  for (std::size_t i = 5; i < args.size(); ++i) colours.push_back(std::stoul(args[i], nullptr, 16));
  std::printf("shown\n");
  std::fflush(stdout);
  if (key) AnswerKeys(display, square, std::stod(args[4]), colours[0]);
  Cycle(square, std::stod(args[4]), colours);
}
