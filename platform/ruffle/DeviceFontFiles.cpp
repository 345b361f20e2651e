#include "platform/ruffle/DeviceFontFiles.h"

#include <fontconfig/fontconfig.h>

#include <QStringList>
#include <memory>

namespace zingbox {
namespace {

struct Stand {
  const char* windowsFont;
  QStringList families;  // in order of preference
};

const Stand Stands[] = {
    {"Arial", {"Arial", "Liberation Sans", "Arimo", "DejaVu Sans"}},
    {"Times New Roman", {"Times New Roman", "Liberation Serif", "Tinos", "DejaVu Serif"}},
    {"Courier New", {"Courier New", "Liberation Mono", "Cousine", "DejaVu Sans Mono"}},
};

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

bool NamesFamily(FcPattern* font, const QString& family) {
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    if (family.compare(QString::fromUtf8(reinterpret_cast<const char*>(name)), Qt::CaseInsensitive) == 0)
      return true;
  }
  return false;
}

// The file fontconfig picks for `family` in the style, if it is that family's own; a
// stand-in of another family is left to the next in our order.
QString FileOf(const QString& family, bool bold, bool italic) {
  const QByteArray name = family.toUtf8();
  Pattern wanted(FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, name.constData(), FC_WEIGHT, FcTypeInteger,
                                bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR, FC_SLANT, FcTypeInteger,
                                italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN, FC_SCALABLE, FcTypeBool, FcTrue,
                                nullptr));
  if (!wanted) return {};
  FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern);
  FcDefaultSubstitute(wanted.get());
  FcResult result = FcResultNoMatch;
  const Pattern found(FcFontMatch(nullptr, wanted.get(), &result));
  FcChar8* file = nullptr;
  if (!found || !NamesFamily(found.get(), family) || FcPatternGetString(found.get(), FC_FILE, 0, &file) != FcResultMatch)
    return {};
  return QString::fromUtf8(reinterpret_cast<const char*>(file));
}

}  // namespace

QString DeviceFontFiles::Choose(const QString& windowsFont, const QString& style) {
  static const QStringList styles = {"regular", "bold", "italic", "bold-italic"};
  const qsizetype styleIndex = styles.indexOf(style);
  if (styleIndex < 0) return {};
  for (const Stand& stand : Stands) {
    if (windowsFont != QLatin1String(stand.windowsFont)) continue;
    for (const QString& family : stand.families) {
      const QString file = FileOf(family, (styleIndex & 1) != 0, (styleIndex & 2) != 0);
      if (!file.isEmpty()) return file;
    }
  }
  return {};
}

}  // namespace zingbox
