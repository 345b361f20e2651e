#pragma once

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

}  // namespace zingbox
