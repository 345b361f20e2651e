#include "platform/ruffle/ProgramFolderInterceptor.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace zingbox {
namespace {

// Resolves "..", and symbolic links where the file exists, so neither leads outside.
QString ResolvedPath(const QString& path) {
  const QString canonical = QFileInfo(path).canonicalFilePath();
  return canonical.isEmpty() ? QDir::cleanPath(QDir(path).absolutePath()) : canonical;
}

}  // namespace

ProgramFolderInterceptor::ProgramFolderInterceptor(const QString& programFolder, QObject* parent)
    : QWebEngineUrlRequestInterceptor(parent),
      folderPrefix_(ResolvedPath(programFolder) + QLatin1Char('/')),
      files_(programFolder) {}

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
  return ResolvedPath(url.toLocalFile()).startsWith(folderPrefix_);
}

}  // namespace zingbox
