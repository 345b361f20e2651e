#pragma once

#include <QString>

namespace zingbox {

// The font files that movies' device text is drawn with, chosen as Windows drew it: for
// each Windows font the font itself when the system has it, else one made to its widths
// (so that texts fit their fields as laid out), else DejaVu; found through fontconfig.
class DeviceFontFiles {
 public:
  // The file of `windowsFont` (Arial, Times New Roman or Courier New) in `style`
  // ("regular", "bold", "italic" or "bold-italic"); empty when the name or style is none
  // of these or the system has no such font.
  static QString Choose(const QString& windowsFont, const QString& style);
};

}  // namespace zingbox
