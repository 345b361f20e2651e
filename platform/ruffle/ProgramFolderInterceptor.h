#pragma once

#include <QSet>
#include <QString>
#include <QWebEngineUrlRequestInterceptor>

namespace zingbox {

// Keeps the page to its own files and the movies to theirs: local files whose real path
// lies under the page's folder load, and so do the movies' files, which come from the
// program's own scheme (see MovieFileServer), and in-memory data (data:, blob:); every
// other file and all network requests are refused, and so is a file whose real path
// cannot be established.
// The page's font requests, "device-fonts/<Windows font>/<style>", are sent on to the
// file chosen for each (see DeviceFontFiles), and that file, no other of its folder,
// loads. Called on the UI thread.
class ProgramFolderInterceptor : public QWebEngineUrlRequestInterceptor {
  Q_OBJECT

 public:
  ProgramFolderInterceptor(const QString& pageFolder, QObject* parent);

  void interceptRequest(QWebEngineUrlRequestInfo& info) override;

  bool Allows(const QUrl& url) const;

 private:
  QString DeviceFontFile(const QString& localPath) const;

  QString folderPrefix_;  // real path ending with '/', empty when the folder is missing
  QSet<QString> deviceFonts_;  // the files chosen so far
};

}  // namespace zingbox
