#include "platform/ruffle/EngineInstallation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zingbox {

QString MissingEngineFile(const QString& playerFolder) {
  const QDir folder(playerFolder);
  QFile list(folder.filePath(QLatin1String(EngineFileList)));
  if (!list.open(QIODevice::ReadOnly | QIODevice::Text)) return QLatin1String(EngineFileList);

  while (!list.atEnd()) {
    const QString entry = QString::fromUtf8(list.readLine()).trimmed();
    if (entry.isEmpty()) continue;
    const QFileInfo file(folder.filePath(entry));
    if (!file.isFile() || file.size() == 0) return entry;
  }
  return {};
}

}  // namespace zingbox
