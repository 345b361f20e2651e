#pragma once

#include <QtGlobal>

namespace zingbox {

// Whether the user has just asked the current movie for something. A press (click or
// key) grants one request soon after it, or after its release for a button held down
// (PlayerPolicy::InputLifetimeMs); the request spends it. Only the movie that received
// the press may spend it: movies are known by the program's number for them, and a movie
// starts with no press to spend. Times are milliseconds of one steady clock.
class UserGesture {
 public:
  void Pressed(qint64 now);
  void Released(qint64 now);
  // The program has chosen `movie` to play next: the one before it is done asking.
  void MovieChosen(int movie);
  // The page has started `movie`: presses before this reached the movie before it.
  void MovieStarted(int movie);
  // True, once, when `movie` is current and a press is unspent and recent enough.
  bool Spend(int movie, qint64 now);

  int StartedMovie() const { return started_; }

 private:
  bool unspent_ = false;
  qint64 lastInput_ = 0;
  int chosen_ = 0;
  int started_ = 0;
};

}  // namespace zingbox
