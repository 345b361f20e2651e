#pragma once

#include <QRect>
#include <QSize>
#include <map>
#include <string>

namespace zingbox::assetgen {

// Where Form1's pictures and player land, in whole pixels as the Qt controls show them,
// once Load and the first Resize have run at a given client size.
struct SkinLayout {
  QSize client;
  QRect player;
  std::map<std::string, QRect> controls;  // every picture and label, by control name
  std::map<std::string, bool> visible;
};

SkinLayout LayOutSkin(QSize clientPixels);

}  // namespace zingbox::assetgen
