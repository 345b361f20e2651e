#include "platform/qt/RuntimeFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>

namespace zingbox {

void ProvideRuntimeFolder() {
  if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
  const passwd* user = getpwuid(geteuid());
  if (user == nullptr) return;
  const QString folder = QDir::tempPath() + QStringLiteral("/runtime-") + QString::fromLocal8Bit(user->pw_name);
  QDir().mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const QFileInfo made(folder);
  const auto othersMay = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                         QFile::WriteOther | QFile::ExeOther;
  if (made.isDir() && !made.isSymLink() && made.ownerId() == geteuid() && !(made.permissions() & othersMay))
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
}

}  // namespace zingbox
