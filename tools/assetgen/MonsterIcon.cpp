#include "tools/assetgen/MonsterIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <map>

namespace zingbox::assetgen {

namespace {

const QColor Skin(112, 190, 74);
const QColor SkinShadow(62, 128, 46);
const QColor Line(22, 48, 20);
const QColor Bolt(168, 172, 178);

// Drawn on a 64-unit grid. Lines never get thinner than a pixel, or the small sizes
// lose their outline.
class Sketch {
 public:
  Sketch(QPainter& painter, int size) : unit_(size / 64.0) { painter.scale(unit_, unit_); }

  QPen Pen(const QColor& colour, double width) const { return QPen(colour, std::max(width, 1.0 / unit_)); }

 private:
  double unit_;
};

void DrawNeckAndBolts(QPainter& painter, const Sketch& sketch) {
  painter.setPen(sketch.Pen(Line, 1.5));
  painter.setBrush(SkinShadow);
  painter.drawRect(QRectF(22, 46, 20, 16));
  for (double x : {8.0, 44.0}) {
    QLinearGradient metal(0, 49, 0, 59);
    metal.setColorAt(0, Bolt.lighter(130));
    metal.setColorAt(1, Bolt.darker(160));
    painter.setBrush(metal);
    painter.drawRoundedRect(QRectF(x, 49, 12, 10), 2, 2);
  }
}

void DrawHead(QPainter& painter, const Sketch& sketch) {
  QLinearGradient light(0, 8, 0, 50);
  light.setColorAt(0, Skin.lighter(118));
  light.setColorAt(1, Skin.darker(115));
  painter.setPen(sketch.Pen(Line, 2));
  painter.setBrush(light);
  painter.drawRoundedRect(QRectF(11, 7, 42, 44), 7, 7);
}

void DrawHair(QPainter& painter) {
  QPainterPath hair;
  hair.moveTo(9, 5);
  hair.lineTo(55, 5);
  hair.lineTo(55, 21);
  // A ragged fringe, cut straight across the top.
  const double fringe[][2] = {{48, 25}, {43, 19}, {37, 25}, {32, 19}, {26, 25}, {21, 19}, {15, 24}, {9, 21}};
  for (const auto& point : fringe) hair.lineTo(point[0], point[1]);
  hair.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawPath(hair);
}

void DrawSleepyEye(QPainter& painter, const Sketch& sketch, QPointF centre) {
  painter.setPen(sketch.Pen(Line, 1.2));
  painter.setBrush(QColor(246, 244, 224));
  painter.drawEllipse(centre, 8, 7);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawEllipse(centre + QPointF(0, 2.5), 3.4, 3.4);
  // The heavy lid covers the upper half.
  painter.setBrush(SkinShadow);
  painter.setPen(sketch.Pen(Line, 2));
  painter.drawChord(QRectF(centre.x() - 8.5, centre.y() - 7.5, 17, 15), 0, 180 * 16);
}

void DrawMouth(QPainter& painter, const Sketch& sketch) {
  painter.setPen(sketch.Pen(Line, 2));
  painter.drawLine(QPointF(23, 43), QPointF(41, 42));
  painter.setPen(sketch.Pen(Line, 1));
  for (double x : {27.0, 32.0, 37.0}) painter.drawLine(QPointF(x, 40.5), QPointF(x, 44.5));
}

const char* const SmallMonster[16] = {
    "................",
    ".KKKKKKKKKKKKKK.",
    ".KKKKKKKKKKKKKK.",
    ".KKKKKKKKKKKKKK.",
    ".KGKKKGKKKGKKGK.",
    ".DGGKGGGKGGGKGD.",
    ".DGGGGGGGGGGGGD.",
    ".DGgggGGGGgggGD.",
    ".DGWKWGGGGWKWGD.",
    ".DGGGGGGGGGGGGD.",
    ".DGGGGGGGGGGGGD.",
    ".DGGDDDDDDDDGGD.",
    ".DDDDDDDDDDDDDD.",
    "BBBb.DggggD.bBBB",
    "BBBb.DggggD.bBBB",
    ".....DDDDDD.....",
};

QImage PlaceSmallMonster() {
  const std::map<char, QColor> colours = {
      {'.', Qt::transparent}, {'K', Qt::black}, {'G', Skin},        {'g', SkinShadow},
      {'D', Line},            {'W', QColor(246, 244, 224)},          {'B', Bolt}, {'b', Bolt.darker(160)},
  };
  QImage icon(16, 16, QImage::Format_ARGB32);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) icon.setPixelColor(x, y, colours.at(SmallMonster[y][x]));
  return icon;
}

}  // namespace

QImage DrawMonsterIcon(int size) {
  if (size == 16) return PlaceSmallMonster();
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  const Sketch sketch(painter, size);
  DrawNeckAndBolts(painter, sketch);
  DrawHead(painter, sketch);
  DrawHair(painter);
  DrawSleepyEye(painter, sketch, {22.5, 32});
  DrawSleepyEye(painter, sketch, {41.5, 32});
  DrawMouth(painter, sketch);
  painter.end();
  return icon.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace zingbox::assetgen
