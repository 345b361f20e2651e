#include "bench/StillPlayer.h"

#include "platform/Control.h"

namespace zingbox::bench {

StillPlayer::StillPlayer() {
  QPalette black = widget_.palette();
  black.setColor(QPalette::Window, Qt::black);
  widget_.setPalette(black);
  widget_.setAutoFillBackground(true);
}

void StillPlayer::SetLeft(float twips) {
  place_.left = twips;
  Place();
}

void StillPlayer::SetTop(float twips) {
  place_.top = twips;
  Place();
}

// Refused as the real player refuses it, so the resize pass takes the same path.
void StillPlayer::SetWidth(float twips) {
  RefuseNegativeSize(twips);
  place_.width = twips;
  Place();
}

void StillPlayer::SetHeight(float twips) {
  RefuseNegativeSize(twips);
  place_.height = twips;
  Place();
}

}  // namespace zingbox::bench
