#include "platform/ruffle/MoviePath.h"

namespace zingbox {

QString MovieLocalPath(const std::u16string& pathText) {
  QString path = QString::fromStdU16String(pathText);
  const qsizetype separator = path.lastIndexOf(QLatin1Char('\\'));
  if (separator >= 0) path[separator] = QLatin1Char('/');
  return path;
}

}  // namespace zingbox
