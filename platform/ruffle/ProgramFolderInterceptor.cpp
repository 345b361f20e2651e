#include "platform/ruffle/ProgramFolderInterceptor.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "platform/ruffle/DeviceFontFiles.h"

namespace zingbox {
namespace {

// Resolves "." and "..", and every symbolic link. Empty when the file does not exist as
// named, which is also what a name that is no valid UTF-8 on disk comes to.
QString RealPath(const QString& path) { return QFileInfo(path).canonicalFilePath(); }

}  // namespace

ProgramFolderInterceptor::ProgramFolderInterceptor(const QString& programFolder, QObject* parent)
    : QWebEngineUrlRequestInterceptor(parent),
      folderPrefix_(RealPath(programFolder) + QLatin1Char('/')),
      files_(programFolder) {}

void ProgramFolderInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
  if (const QString font = DeviceFontFile(info.requestUrl().toLocalFile()); !font.isEmpty()) {
    deviceFonts_.insert(font);
    info.redirect(QUrl::fromLocalFile(font));
    return;
  }
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
  if (deviceFonts_.contains(path)) return true;
  const QString real = RealPath(path);
  return !real.isEmpty() && real.startsWith(folderPrefix_);
}

QString ProgramFolderInterceptor::DeviceFontFile(const QString& localPath) const {
  static const QString fontsFolder = QStringLiteral("/player/device-fonts/");
  const qsizetype at = localPath.lastIndexOf(fontsFolder);
  if (at < 0 || RealPath(localPath.left(at)) + QLatin1Char('/') != folderPrefix_) return {};
  const QStringList fontAndStyle = localPath.mid(at + fontsFolder.size()).split(QLatin1Char('/'));
  if (fontAndStyle.size() != 2) return {};
  return DeviceFontFiles::Choose(fontAndStyle[0], fontAndStyle[1]);
}

bool ProgramFolderInterceptor::HoldsMovie(const QString& localPath) const {
  const QString folder = RealPath(QFileInfo(QDir::cleanPath(localPath)).absolutePath());
  return !folder.isEmpty() && (folder + QLatin1Char('/')).startsWith(folderPrefix_);
}

}  // namespace zingbox
