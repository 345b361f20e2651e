#include "window/ValueControls.h"

namespace zingbox {

void ValueControl::SetWidth(float twips) {
  RefuseNegativeSize(twips);
  width_ = twips;
}

void ValueControl::SetHeight(float twips) {
  RefuseNegativeSize(twips);
  height_ = twips;
}

void ValuePlayer::SetWidth(float twips) {
  RefuseNegativeSize(twips);
  width_ = twips;
}

void ValuePlayer::SetHeight(float twips) {
  RefuseNegativeSize(twips);
  height_ = twips;
}

}  // namespace zingbox
