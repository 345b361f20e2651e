#pragma once

namespace zingbox {

// The toolkit's window state values; the resize pass stops on Minimized.
enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// Window managers differ in what frame they report, and some report none; the layout's
// formulas expect a classic sizable frame, so that frame is added to the client size.
inline constexpr float ClassicFrameWidth = 120.0f;   // 8 pixels
inline constexpr float ClassicFrameHeight = 405.0f;  // 27 pixels

// The window's outer size in twips (client area plus a classic sizable frame) and state.
class WindowMetrics {
 public:
  virtual ~WindowMetrics() = default;
  virtual float Width() const = 0;
  virtual float Height() const = 0;
  virtual WindowState State() const = 0;
};

}  // namespace zingbox
