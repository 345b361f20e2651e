#pragma once

#include <QSet>
#include <QString>
#include <QWebEngineUrlRequestInterceptor>

#include "platform/ruffle/CaseInsensitiveLookup.h"

namespace zingbox {

// Keeps the player page and its movies inside the program folder: local files whose real
// path lies under it load, in-memory data (data:, blob:) loads, every other file and all
// network requests are refused, and so is a file whose real path cannot be established.
// The one exception is the movie the program assigns, which may be a link in the folder
// to a file elsewhere, and so are the font files the page asks for as
// "player/device-fonts/<Windows font>/<style>": each is sent on to the file chosen for it
// (see DeviceFontFiles), and that file, no other of its folder, loads. Called on the UI thread.
class ProgramFolderInterceptor : public QWebEngineUrlRequestInterceptor {
  Q_OBJECT

 public:
  ProgramFolderInterceptor(const QString& programFolder, QObject* parent);

  void interceptRequest(QWebEngineUrlRequestInfo& info) override;

  bool Allows(const QUrl& url) const;
  // Whether the clean absolute `localPath` names an entry of the program folder or one
  // below it (its folders' links resolved, not its own). The movie assigned last is let
  // through on that alone.
  bool HoldsMovie(const QString& localPath) const;
  void AssignMovie(const QString& localPath) { assignedMovie_ = localPath; }
  // The file a local path names, found as Windows would find it (see CaseInsensitiveLookup).
  QString Locate(const QString& localPath) { return files_.Locate(localPath); }

 private:
  QUrl Located(const QUrl& url);
  QString DeviceFontFile(const QString& localPath) const;

  QString folderPrefix_;  // real path, ends with '/'
  QString assignedMovie_;
  QSet<QString> deviceFonts_;  // the files chosen so far
  CaseInsensitiveLookup files_;
};

}  // namespace zingbox
