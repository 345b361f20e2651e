#pragma once

#include "platform/RuntimeError.h"

namespace zingbox {

// A picture or label of the window as the layout and the handlers see it: twips,
// stored exactly as assigned. A negative Width or Height is refused with RuntimeError.
class Control {
 public:
  virtual ~Control() = default;

  virtual float Left() const = 0;
  virtual float Top() const = 0;
  virtual float Width() const = 0;
  virtual float Height() const = 0;
  virtual bool Visible() const = 0;

  virtual void SetLeft(float twips) = 0;
  virtual void SetTop(float twips) = 0;
  virtual void SetWidth(float twips) = 0;
  virtual void SetHeight(float twips) = 0;
  virtual void SetVisible(bool visible) = 0;
};

// The rule of every control and of the player's container.
inline void RefuseNegativeSize(float twips) {
  if (twips < 0.0f) throw RuntimeError(error_number::InvalidPropertyValue, "Invalid property value");
}

}  // namespace zingbox
