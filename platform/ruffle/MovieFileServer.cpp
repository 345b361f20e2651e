#include "platform/ruffle/MovieFileServer.h"

#include <fcntl.h>
#include <unistd.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

#include "platform/ruffle/OpenBeneath.h"
#include "platform/ruffle/PlayerPolicy.h"

namespace zingbox {

void MovieFileServer::RegisterScheme() {
  QWebEngineUrlScheme scheme(PlayerPolicy::MovieScheme);
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
  // Local, so the page (itself a local file) may ask it; CORS, so that a request of the
  // page gets an answer. The engine's fetch cannot ask a scheme of ours on Qt 6.4; the
  // page asks with a request instead (see files.js).
  scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::CorsEnabled);
  QWebEngineUrlScheme::registerScheme(scheme);
}

MovieFileServer::MovieFileServer(const QString& folder, QObject* parent)
    : QWebEngineUrlSchemeHandler(parent),
      folder_(::open(QFile::encodeName(folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC)),
      folderPrefix_(FolderPrefix(folder)),
      files_(folder) {}

MovieFileServer::~MovieFileServer() {
  if (folder_ >= 0) ::close(folder_);
}

QString MovieFileServer::PathInFolder(const QString& localPath) const {
  const QFileInfo file(QDir::cleanPath(localPath));
  if (folderPrefix_.isEmpty() || file.fileName().isEmpty()) return {};
  const QString folder = FolderPrefix(file.absolutePath());
  if (!folder.startsWith(folderPrefix_)) return {};
  return folder.mid(folderPrefix_.size()) + file.fileName();
}

int MovieFileServer::Open(const QString& localPath) {
  const QString relative = PathInFolder(Locate(QDir::cleanPath(localPath)));
  if (folder_ < 0 || relative.isEmpty()) return -1;
  const QByteArray name = QFile::encodeName(relative);
  if (relative == assignedMovie_) return OpenRegularFileBeneathFollowingLast(folder_, name);
  return OpenRegularFileBeneath(folder_, name);
}

void MovieFileServer::requestStarted(QWebEngineUrlRequestJob* job) {
  const int fd = Open(job->requestUrl().path(QUrl::FullyDecoded));
  QFile file;
  if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    if (fd >= 0) ::close(fd);
    job->fail(QWebEngineUrlRequestJob::UrlNotFound);
    return;
  }
  // Read here, whole: the engine reads a device of a job only as far as it asks.
  auto* content = new QBuffer(job);
  content->setData(file.readAll());
  content->open(QIODevice::ReadOnly);
  job->reply(QByteArrayLiteral("application/octet-stream"), content);
}

}  // namespace zingbox
