#pragma once

#include <QImage>

namespace zingbox::assetgen {

// The program icon: a green monster's head with flat black hair, half-closed eyes and a
// bolt each side of the neck, on a transparent background, size by size pixels.
QImage DrawMonsterIcon(int size);

}  // namespace zingbox::assetgen
