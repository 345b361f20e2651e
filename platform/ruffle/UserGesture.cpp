#include "platform/ruffle/UserGesture.h"

#include "platform/ruffle/PlayerPolicy.h"

namespace zingbox {

void UserGesture::Pressed(qint64 now) {
  unspent_ = true;
  lastInput_ = now;
}

void UserGesture::Released(qint64 now) {
  if (unspent_) lastInput_ = now;
}

void UserGesture::MovieChosen(int movie) {
  chosen_ = movie;
  unspent_ = false;
}

void UserGesture::MovieStarted(int movie) {
  started_ = movie;
  unspent_ = false;
}

bool UserGesture::Spend(int movie, qint64 now) {
  const bool recent = now - lastInput_ <= PlayerPolicy::InputLifetimeMs;
  if (movie != chosen_ || movie != started_ || !unspent_ || !recent) return false;
  unspent_ = false;
  return true;
}

}  // namespace zingbox
