#include "tools/swfkit/Shape.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace zingbox::swf {

Shape& Shape::rectangle(Rect area, Color fill) {
  const double right = area.left + area.width;
  const double bottom = area.top + area.height;
  return polygon({{area.left, area.top}, {right, area.top}, {right, bottom}, {area.left, bottom}},
                 fill);
}

Shape& Shape::polygon(std::vector<Point> corners, Color fill) {
  if (corners.size() < 3) throw std::invalid_argument("a filled outline needs three corners");
  outlines_.push_back({fill, std::move(corners)});
  return *this;
}

Shape& Shape::ellipse(Point centre, double radiusX, double radiusY, Color fill) {
  constexpr int segments = 48;
  std::vector<Point> corners;
  for (int i = 0; i < segments; ++i) {
    const double angle = 2 * std::numbers::pi * i / segments;
    corners.push_back({centre.x + radiusX * std::cos(angle), centre.y + radiusY * std::sin(angle)});
  }
  return polygon(std::move(corners), fill);
}

}  // namespace zingbox::swf
