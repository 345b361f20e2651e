#include "platform/ruffle/UserGesture.h"

namespace zingbox {

void UserGesture::Pressed(qint64 now) {
  unspent_ = true;
  lastInput_ = now;
}

void UserGesture::Released(qint64 now) {
  if (unspent_) lastInput_ = now;
}

bool UserGesture::Spend(qint64 now) {
  if (!unspent_ || now - lastInput_ > LifetimeMs) return false;
  unspent_ = false;
  return true;
}

}  // namespace zingbox
