#include "platform/ruffle/ProgramFolderInterceptor.h"

#include <QFileInfo>
#include <QUrl>

#include "platform/ruffle/MovieFileServer.h"

namespace zingbox {
namespace {

// Resolves "." and "..", and every symbolic link. Empty when the file does not exist as
// named, which is also what a name that is no valid UTF-8 on disk comes to.
QString RealPath(const QString& path) { return QFileInfo(path).canonicalFilePath(); }

}  // namespace

ProgramFolderInterceptor::ProgramFolderInterceptor(const QString& pageFolder, QObject* parent)
    : QWebEngineUrlRequestInterceptor(parent), folderPrefix_(RealPath(pageFolder) + QLatin1Char('/')) {}

void ProgramFolderInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
  if (!Allows(info.requestUrl())) info.block(true);
}

bool ProgramFolderInterceptor::Allows(const QUrl& url) const {
  const QString scheme = url.scheme();
  if (scheme == QLatin1String("data") || scheme == QLatin1String("blob") ||
      scheme == QLatin1String(MovieFileServer::Scheme))
    return true;
  if (!url.isLocalFile() || !url.host().isEmpty()) return false;
  const QString real = RealPath(url.toLocalFile());
  return !real.isEmpty() && real.startsWith(folderPrefix_);
}

}  // namespace zingbox
