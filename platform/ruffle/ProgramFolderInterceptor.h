#pragma once

#include <QString>
#include <QWebEngineUrlRequestInterceptor>

#include "platform/ruffle/CaseInsensitiveLookup.h"

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
  // The file a local path names, found as Windows would find it (see CaseInsensitiveLookup).
  QString Locate(const QString& localPath) { return files_.Locate(localPath); }

 private:
  QUrl Located(const QUrl& url);

  QString folderPrefix_;  // canonical, ends with '/'
  CaseInsensitiveLookup files_;
};

}  // namespace zingbox
