#pragma once

class QWidget;

namespace zingbox {

// Shows a top-level window restored and above the others, as far as the window manager
// lets a program raise itself.
void BringToFront(QWidget& window);

}  // namespace zingbox
