#pragma once

#include <QtGlobal>

namespace zingbox {

// Whether the user has just asked for something. A press (click or key) grants one
// request within a second of it, or of its release for a button held down; the request
// spends it. Times are milliseconds of one steady clock.
class UserGesture {
 public:
  void Pressed(qint64 now);
  void Released(qint64 now);
  // True, once, when a press is unspent and recent enough.
  bool Spend(qint64 now);

 private:
  static constexpr qint64 LifetimeMs = 1000;

  bool unspent_ = false;
  qint64 lastInput_ = 0;
};

}  // namespace zingbox
