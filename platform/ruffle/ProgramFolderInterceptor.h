#pragma once

#include <QString>
#include <QWebEngineUrlRequestInterceptor>

namespace zingbox {

// Keeps the player page and its movies inside the program folder: local files under it
// load, in-memory data (data:, blob:) loads, every other file and all network requests
// are refused. Called on the UI thread.
class ProgramFolderInterceptor : public QWebEngineUrlRequestInterceptor {
  Q_OBJECT

 public:
  ProgramFolderInterceptor(const QString& programFolder, QObject* parent);

  void interceptRequest(QWebEngineUrlRequestInfo& info) override;

  bool Allows(const QUrl& url) const;

 private:
  QString folderPrefix_;  // canonical, ends with '/'
};

}  // namespace zingbox
