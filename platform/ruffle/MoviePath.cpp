#include "platform/ruffle/MoviePath.h"

namespace zingbox {

QString MovieLocalPath(const std::u16string& pathText) {
  QString path = QString::fromStdU16String(pathText);
  path.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return path;
}

}  // namespace zingbox
