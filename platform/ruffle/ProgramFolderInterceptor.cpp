#include "platform/ruffle/ProgramFolderInterceptor.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace zingbox {
namespace {

// Resolves "." and "..", and every symbolic link. Empty when the file does not exist as
// named, which is also what a name that is no valid UTF-8 on disk comes to.
QString RealPath(const QString& path) { return QFileInfo(path).canonicalFilePath(); }

// The real path of a folder with a closing slash; empty when it has none, so that a folder
// gone missing holds nothing rather than everything.
QString FolderPrefix(const QString& folder) {
  const QString real = RealPath(folder);
  return real.isEmpty() ? real : real + QLatin1Char('/');
}

bool LiesIn(const QString& realPath, const QString& folderPrefix) {
  return !folderPrefix.isEmpty() && realPath.startsWith(folderPrefix);
}

}  // namespace

ProgramFolderInterceptor::ProgramFolderInterceptor(const QString& playerFolder, const QString& packFolder,
                                                   QObject* parent)
    : QWebEngineUrlRequestInterceptor(parent),
      playerPrefix_(FolderPrefix(playerFolder)),
      packPrefix_(FolderPrefix(packFolder)),
      files_(packFolder) {}

void ProgramFolderInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
  const QUrl located = Located(info.requestUrl());
  if (!Allows(located))
    info.block(true);
  else if (located != info.requestUrl())
    info.redirect(located);
}

QUrl ProgramFolderInterceptor::Located(const QUrl& url) {
  if (!url.isLocalFile() || !url.host().isEmpty()) return url;
  const QString path = url.toLocalFile();
  const QString found = files_.Locate(path);
  if (found == path) return url;
  QUrl moved = url;  // a query stays as the movie wrote it
  moved.setPath(found, QUrl::DecodedMode);
  return moved;
}

bool ProgramFolderInterceptor::Allows(const QUrl& url) const {
  const QString scheme = url.scheme();
  if (scheme == QLatin1String("data") || scheme == QLatin1String("blob")) return true;
  if (!url.isLocalFile() || !url.host().isEmpty()) return false;
  const QString path = url.toLocalFile();
  if (!assignedMovie_.isEmpty() && path == assignedMovie_) return true;
  const QString real = RealPath(path);
  return !real.isEmpty() && (LiesIn(real, packPrefix_) || LiesIn(real, playerPrefix_));
}

bool ProgramFolderInterceptor::HoldsMovie(const QString& localPath) const {
  const QString folder = RealPath(QFileInfo(QDir::cleanPath(localPath)).absolutePath());
  return !folder.isEmpty() && LiesIn(folder + QLatin1Char('/'), packPrefix_);
}

}  // namespace zingbox
