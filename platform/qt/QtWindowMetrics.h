#pragma once

#include <QWidget>

#include "platform/WindowMetrics.h"

namespace zingbox {

// The window's client size, plus the classic frame the layout expects.
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
