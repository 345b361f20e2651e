#include "QtWindowMetrics.h"

#include "platform/qt/Twips.h"

namespace zingbox {

float QtWindowMetrics::Width() const { return PixelsToTwips(window_.width()) + ClassicFrameWidth; }

float QtWindowMetrics::Height() const { return PixelsToTwips(window_.height()) + ClassicFrameHeight; }

// A minimized window that was maximized before is minimized first of all.
WindowState QtWindowMetrics::State() const {
  const Qt::WindowStates state = window_.windowState();
  if (state.testFlag(Qt::WindowMinimized)) return WindowState::Minimized;
  if (state.testFlag(Qt::WindowMaximized) || state.testFlag(Qt::WindowFullScreen)) return WindowState::Maximized;
  return WindowState::Normal;
}

}  // namespace zingbox
