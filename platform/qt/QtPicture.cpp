#include "QtPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace zingbox {

QtPicture::QtPicture(QWidget* parent, const QString& name, const QString& picturePath, TwipsRect design,
                     bool visible, Fit fit)
    : TwipsControl(parent, name, design, visible), picture_(picturePath), fit_(fit) {}

void QtPicture::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  if (fit_ == Fit::Stretched) {
    painter.drawPixmap(rect(), picture_);
  } else {
    painter.drawPixmap(0, 0, picture_);
  }
}

void QtPicture::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void QtPicture::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) emit clicked();
}

}  // namespace zingbox
