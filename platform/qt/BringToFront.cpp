#include "platform/qt/BringToFront.h"

#include <QWidget>

namespace zingbox {

void BringToFront(QWidget& window) {
  window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace zingbox
