#include "tools/assetgen/OnBezel.h"

#include <QPainter>

namespace zingbox::assetgen {

QImage OnBezel(const QImage& artwork, const QImage& bezel, QPoint place) {
  QImage blended = bezel.copy(QRect(place, artwork.size())).convertToFormat(QImage::Format_ARGB32);
  QPainter painter(&blended);
  painter.drawImage(0, 0, artwork);
  painter.end();
  for (int y = 0; y < artwork.height(); ++y)
    for (int x = 0; x < artwork.width(); ++x)
      if (qAlpha(artwork.pixel(x, y)) < 128) blended.setPixel(x, y, qRgba(0, 0, 0, 0));
  return blended;
}

}  // namespace zingbox::assetgen
