#include "tools/assetgen/GiftBox.h"

#include <QPainter>
#include <QPainterPath>
#include <QLinearGradient>

namespace zingbox::assetgen {

namespace {

const QColor Paper(250, 250, 252);
const QColor Stripe(52, 104, 200);
const QColor Ribbon(214, 32, 40);
const QColor Outline(40, 40, 48);

void DrawStripedPaper(QPainter& painter, const QRectF& area) {
  painter.save();
  painter.setClipRect(area);
  QLinearGradient shade(area.topLeft(), area.topRight());
  shade.setColorAt(0, Paper);
  shade.setColorAt(1, Paper.darker(118));
  painter.fillRect(area, shade);
  painter.setPen(QPen(Stripe, 2.0));
  for (double x = area.left() - area.height(); x < area.right(); x += 6.5) {
    painter.drawLine(QPointF(x, area.bottom()), QPointF(x + area.height(), area.top()));
  }
  painter.restore();
  painter.setPen(QPen(Outline, 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area);
}

void DrawBowLoop(QPainter& painter, QPointF knot, double side) {
  QPainterPath loop;
  loop.moveTo(knot);
  loop.cubicTo(knot + QPointF(side * 4, -12), knot + QPointF(side * 15, -10), knot + QPointF(side * 12, -2));
  loop.cubicTo(knot + QPointF(side * 10, 1), knot + QPointF(side * 4, 1), knot);
  painter.setPen(QPen(Ribbon.darker(170), 1.0));
  painter.setBrush(Ribbon);
  painter.drawPath(loop);
}

}  // namespace

QImage DrawGiftBox() {
  QImage gift(GiftBoxWidth, GiftBoxHeight, QImage::Format_ARGB32_Premultiplied);
  gift.fill(Qt::transparent);
  QPainter painter(&gift);
  painter.setRenderHint(QPainter::Antialiasing);

  const QRectF body(6.5, 17.5, 30, 17);
  const QRectF lid(4.5, 11.5, 34, 7);
  DrawStripedPaper(painter, body);
  DrawStripedPaper(painter, lid);

  painter.setPen(QPen(Ribbon.darker(170), 1.0));
  painter.setBrush(Ribbon);
  painter.drawRect(QRectF(19, 11.5, 5, 23));  // down the middle of lid and box
  painter.drawRect(QRectF(6.5, 24, 30, 4));   // round the box

  const QPointF knot(21.5, 11);
  DrawBowLoop(painter, knot, -1);
  DrawBowLoop(painter, knot, 1);
  painter.setBrush(Ribbon.darker(125));
  painter.drawEllipse(knot, 3, 2.5);
  painter.end();
  return gift.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace zingbox::assetgen
