#pragma once

#include <QColor>
#include <QImage>

namespace zingbox::assetgen {

inline constexpr int PushButtonWidth = 36;
inline constexpr int PushButtonHeight = 34;

// A round push button in its dark socket on a transparent surround. Pressed in, the cap
// sits lower and further right, darker, with a shadow under the socket's upper rim.
QImage DrawPushButton(QColor cap, bool pressed);

}  // namespace zingbox::assetgen
