#include "tools/assetgen/FramePieces.h"

#include <set>

namespace zingbox::assetgen {

namespace {

const std::set<std::string> StretchedAcross = {"top_lf", "top_rf", "bot_lf", "bot_rf"};
const std::set<std::string> StretchedDown = {"leftf", "rightf"};

QImage RepeatColumn(const QImage& bezel, int x, int top, QSize size) {
  QImage piece(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int column = 0; column < size.width(); ++column) piece.setPixel(column, y, bezel.pixel(x, top + y));
  return piece;
}

QImage RepeatRow(const QImage& bezel, int left, int y, QSize size) {
  QImage piece(size, QImage::Format_RGB32);
  for (int row = 0; row < size.height(); ++row)
    for (int x = 0; x < size.width(); ++x) piece.setPixel(x, row, bezel.pixel(left + x, y));
  return piece;
}

}  // namespace

const std::map<std::string, QSize>& FramePictureSizes() {
  static const std::map<std::string, QSize> sizes = {
      {"top_left", {50, 373}}, {"top_right", {61, 385}}, {"topp", {445, 54}}, {"top_lf", {10, 54}},
      {"top_rf", {11, 54}},    {"leftt", {64, 83}},      {"rightt", {80, 72}}, {"bott", {417, 59}},
      {"bot_lf", {9, 60}},     {"bot_rf", {6, 58}},      {"leftf", {44, 4}},   {"rightf", {53, 13}},
  };
  return sizes;
}

std::map<std::string, QImage> CutFramePieces(const QImage& bezel, const SkinLayout& layout) {
  std::map<std::string, QImage> pieces;
  for (const auto& [name, size] : FramePictureSizes()) {
    const QRect place = layout.controls.at(name);
    if (StretchedAcross.contains(name)) {
      pieces[name] = RepeatColumn(bezel, place.left() + place.width() / 2, place.top(), size);
    } else if (StretchedDown.contains(name)) {
      pieces[name] = RepeatRow(bezel, place.left(), place.top() + place.height() / 2, size);
    } else {
      pieces[name] = bezel.copy(QRect(place.topLeft(), size));
    }
  }
  return pieces;
}

}  // namespace zingbox::assetgen
