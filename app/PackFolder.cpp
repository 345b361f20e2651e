#include "app/PackFolder.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/ruffle/CaseInsensitiveLookup.h"
#include "shell/GameCatalogue.h"

namespace zingbox {

Q_LOGGING_CATEGORY(PackLog, "zingbox.pack", QtWarningMsg)

namespace {

// The shell's file name without the separator that begins it.
QString MenuFileName() { return QString::fromStdU16String(std::u16string(MenuMovie.substr(1))); }

bool HoldsMenuMovie(const QString& folder) {
  return QFileInfo(CaseInsensitiveLookup(folder).Locate(QDir(folder).filePath(MenuFileName()))).isFile();
}

}  // namespace

PackFolder ChoosePackFolder(const QString& named, const QString& userPack, const QString& programFolder) {
  if (!named.isEmpty()) return {named, QStringLiteral("named on the command line")};
  if (HoldsMenuMovie(userPack)) return {userPack, QStringLiteral("the user's pack folder holds %1").arg(MenuFileName())};
  return {programFolder, QStringLiteral("the bundled demo pack, as the user's pack folder %1 holds no %2")
                             .arg(QDir::toNativeSeparators(userPack), MenuFileName())};
}

QString UnusableFolderReason(const QString& folder) {
  const QFileInfo info(folder);
  if (!info.exists()) return QStringLiteral("it does not exist");
  if (!info.isDir()) return QStringLiteral("it is not a folder");
  // Listing it and opening what is in it; access() asks as the user, as opening would.
  if (::access(QFile::encodeName(folder).constData(), R_OK | X_OK) != 0) return QStringLiteral("it cannot be read");
  return {};
}

}  // namespace zingbox
