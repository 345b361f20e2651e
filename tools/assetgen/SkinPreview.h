#pragma once

#include <QImage>
#include <map>
#include <string>

#include "tools/assetgen/SkinLayout.h"

namespace zingbox::assetgen {

// The client area as the window would draw it: every visible picture at its laid-out
// place, earlier controls above later ones, stretched where the control stretches, and
// the player's area black above all. Captions are drawn only when asked for, because
// their look depends on the fonts at hand.
QImage ComposeSkin(const SkinLayout& layout, const std::map<std::string, QImage>& pictures, bool withCaptions);

}  // namespace zingbox::assetgen
