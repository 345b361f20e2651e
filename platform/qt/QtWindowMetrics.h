#pragma once

#include <QWidget>

#include "platform/WindowMetrics.h"

namespace zingbox {

// Window managers differ in what frame they report, and some report none; the layout's
// formulas expect a classic sizable frame, so that frame is added to the client size.
inline constexpr float ClassicFrameWidth = 120.0f;   // 8 pixels
inline constexpr float ClassicFrameHeight = 405.0f;  // 27 pixels

class QtWindowMetrics : public WindowMetrics {
 public:
  explicit QtWindowMetrics(const QWidget& window) : window_(window) {}

  float Width() const override;
  float Height() const override;
  WindowState State() const override;

 private:
  const QWidget& window_;
};

}  // namespace zingbox
