#include "platform/ruffle/ProgramFolderInterceptor.h"

#include <QFileInfo>
#include <QUrl>

#include "platform/ruffle/DeviceFontFiles.h"
#include "platform/ruffle/MovieFileServer.h"

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

}  // namespace

ProgramFolderInterceptor::ProgramFolderInterceptor(const QString& pageFolder, QObject* parent)
    : QWebEngineUrlRequestInterceptor(parent), folderPrefix_(FolderPrefix(pageFolder)) {}

void ProgramFolderInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
  if (const QString font = DeviceFontFile(info.requestUrl().toLocalFile()); !font.isEmpty()) {
    deviceFonts_.insert(font);
    info.redirect(QUrl::fromLocalFile(font));
    return;
  }
  if (!Allows(info.requestUrl())) info.block(true);
}

bool ProgramFolderInterceptor::Allows(const QUrl& url) const {
  const QString scheme = url.scheme();
  if (scheme == QLatin1String("data") || scheme == QLatin1String("blob") ||
      scheme == QLatin1String(MovieFileServer::Scheme))
    return true;
  if (!url.isLocalFile() || !url.host().isEmpty()) return false;
  const QString path = url.toLocalFile();
  if (deviceFonts_.contains(path)) return true;
  const QString real = RealPath(path);
  return !folderPrefix_.isEmpty() && real.startsWith(folderPrefix_);
}

QString ProgramFolderInterceptor::DeviceFontFile(const QString& localPath) const {
  static const QString fontsFolder = QStringLiteral("/device-fonts/");
  const qsizetype at = localPath.lastIndexOf(fontsFolder);
  if (at < 0 || folderPrefix_.isEmpty() || FolderPrefix(localPath.left(at)) != folderPrefix_) return {};
  const QStringList fontAndStyle = localPath.mid(at + fontsFolder.size()).split(QLatin1Char('/'));
  if (fontAndStyle.size() != 2) return {};
  return DeviceFontFiles::Choose(fontAndStyle[0], fontAndStyle[1]);
}

}  // namespace zingbox
