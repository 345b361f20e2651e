#include "bench/StillPlayer.h"

#include "platform/qt/Twips.h"

namespace zingbox::bench {

StillPlayer::StillPlayer() {
  QPalette black = widget_.palette();
  black.setColor(QPalette::Window, Qt::black);
  widget_.setPalette(black);
  widget_.setAutoFillBackground(true);
}

void StillPlayer::SetLeft(float twips) {
  left_ = twips;
  Place();
}

void StillPlayer::SetTop(float twips) {
  top_ = twips;
  Place();
}

void StillPlayer::SetWidth(float twips) {
  width_ = twips;
  Place();
}

void StillPlayer::SetHeight(float twips) {
  height_ = twips;
  Place();
}

void StillPlayer::Place() {
  widget_.setGeometry(TwipsToPixels(left_), TwipsToPixels(top_), TwipsToPixels(width_), TwipsToPixels(height_));
}

}  // namespace zingbox::bench
