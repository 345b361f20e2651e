#include "tools/assetgen/PushButton.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QLinearGradient>

namespace zingbox::assetgen {

QImage DrawPushButton(QColor cap, bool pressed) {
  QImage button(PushButtonWidth, PushButtonHeight, QImage::Format_ARGB32_Premultiplied);
  button.fill(Qt::transparent);
  QPainter painter(&button);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(PushButtonWidth / 2.0, PushButtonHeight / 2.0);

  // The socket: a recess, so its lower right catches the light.
  QLinearGradient socket(centre + QPointF(-16, -16), centre + QPointF(16, 16));
  socket.setColorAt(0, QColor(12, 12, 14));
  socket.setColorAt(1, QColor(96, 98, 104));
  painter.setPen(Qt::NoPen);
  painter.setBrush(socket);
  painter.drawEllipse(centre, 16.5, 16.5);
  painter.setBrush(QColor(18, 18, 20));
  painter.drawEllipse(centre, 14.5, 14.5);

  const QPointF capCentre = centre + (pressed ? QPointF(0.6, 0.8) : QPointF(-0.3, -0.4));
  const double radius = pressed ? 12.6 : 13.2;
  const QColor base = pressed ? cap.darker(135) : cap;
  QRadialGradient dome(capCentre, radius, capCentre + QPointF(-radius * 0.4, -radius * 0.45));
  dome.setColorAt(0, pressed ? base : base.lighter(150));
  dome.setColorAt(0.55, base);
  dome.setColorAt(1, base.darker(pressed ? 150 : 190));
  painter.setBrush(dome);
  painter.setPen(QPen(base.darker(260), 0.8));
  painter.drawEllipse(capCentre, radius, radius);

  QPainterPath capOutline;
  capOutline.addEllipse(capCentre, radius, radius);
  painter.setClipPath(capOutline);
  painter.setPen(Qt::NoPen);
  if (pressed) {
    // The socket's rim shades the sunken cap from above and the left.
    QRadialGradient shade(capCentre + QPointF(3, 3.5), radius + 3);
    shade.setColorAt(0.7, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 170));
    painter.setBrush(shade);
    painter.drawEllipse(capCentre, radius, radius);
  } else {
    QRadialGradient gleam(capCentre + QPointF(-4.5, -5.5), 6);
    gleam.setColorAt(0, QColor(255, 255, 255, 200));
    gleam.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(gleam);
    painter.drawEllipse(capCentre + QPointF(-4.5, -5.5), 6, 4.5);
  }
  painter.end();
  return button.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace zingbox::assetgen
