#pragma once

#include <QString>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

#include "platform/ruffle/CaseInsensitiveLookup.h"

namespace zingbox {

// Hands the engine the files of the movies' folder. The page asks for a local path under
// the policy's movie scheme; the file is opened beneath the folder's own descriptor (see
// OpenBeneath) and what is read is that descriptor, so that a file swapped or relinked
// after a check is never what the engine gets. Names are found as Windows finds them.
// Only regular files are served. The movie the program assigns may be a link in the
// folder to a file elsewhere. Called on the UI thread.
class MovieFileServer : public QWebEngineUrlSchemeHandler {
  Q_OBJECT

 public:
  // Makes PlayerPolicy::MovieScheme known to the web engine: before the QApplication exists.
  static void RegisterScheme();

  MovieFileServer(const QString& folder, QObject* parent);
  ~MovieFileServer() override;

  // The file a local path names, found as Windows would find it (see CaseInsensitiveLookup).
  QString Locate(const QString& localPath) { return files_.Locate(localPath); }
  // Whether the clean absolute `localPath` names an entry of the folder or one below it
  // (its folders' links resolved, not its own).
  bool Holds(const QString& localPath) const { return !PathInFolder(localPath).isEmpty(); }
  // The movie that is served on `Holds` alone, whatever its own link points to.
  void AssignMovie(const QString& localPath) { assignedMovie_ = PathInFolder(localPath); }

  void requestStarted(QWebEngineUrlRequestJob* job) override;

 private:
  // `localPath` relative to the folder, its folders' links resolved; empty when it lies
  // elsewhere.
  QString PathInFolder(const QString& localPath) const;
  int Open(const QString& localPath);

  int folder_;            // descriptor, or -1 when the folder cannot be opened
  QString folderPrefix_;  // real path, ends with '/'; empty when the folder is missing
  QString assignedMovie_;
  CaseInsensitiveLookup files_;
};

}  // namespace zingbox
