#pragma once

#include <QString>
#include <QWebEngineUrlRequestInterceptor>

#include "platform/ruffle/CaseInsensitiveLookup.h"

namespace zingbox {

// Keeps the player page inside the program's player folder and the movies inside their
// pack folder: local files whose real path lies under either load, in-memory data (data:,
// blob:) loads, every other file and all network requests are refused, and so is a file
// whose real path cannot be established. The one exception is the movie the program
// assigns, which may be a link in the pack folder to a file elsewhere. Called on the UI thread.
class ProgramFolderInterceptor : public QWebEngineUrlRequestInterceptor {
  Q_OBJECT

 public:
  ProgramFolderInterceptor(const QString& playerFolder, const QString& packFolder, QObject* parent);

  void interceptRequest(QWebEngineUrlRequestInfo& info) override;

  bool Allows(const QUrl& url) const;
  // Whether the clean absolute `localPath` names an entry of the pack folder or one
  // below it (its folders' links resolved, not its own). The movie assigned last is let
  // through on that alone.
  bool HoldsMovie(const QString& localPath) const;
  void AssignMovie(const QString& localPath) { assignedMovie_ = localPath; }
  // The file a local path names, found as Windows would find it (see CaseInsensitiveLookup).
  QString Locate(const QString& localPath) { return files_.Locate(localPath); }

 private:
  QUrl Located(const QUrl& url);

  QString playerPrefix_;  // real paths ending with '/', empty when the folder is missing
  QString packPrefix_;
  QString assignedMovie_;
  CaseInsensitiveLookup files_;
};

}  // namespace zingbox
