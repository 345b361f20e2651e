#pragma once

#include <vector>

#include "tools/swfkit/Geometry.h"

namespace zingbox::swf {

// A drawing made of solidly filled closed outlines (one DefineShape). Outlines of one
// shape should not overlap: layer overlapping parts as separate shapes at separate depths.
class Shape {
 public:
  struct Outline {
    Color fill;
    std::vector<Point> corners;  // straight edges, closed back to the first corner
  };

  Shape& rectangle(Rect area, Color fill);
  Shape& polygon(std::vector<Point> corners, Color fill);
  // Drawn as a polygon fine enough to look round at game sizes.
  Shape& ellipse(Point centre, double radiusX, double radiusY, Color fill);

  const std::vector<Outline>& outlines() const { return outlines_; }

 private:
  std::vector<Outline> outlines_;
};

}  // namespace zingbox::swf
