#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

namespace zingbox {

// Where the player keeps what games save between runs: $XDG_DATA_HOME/zingbox, by default
// ~/.local/share/zingbox. One copy of the program holds the folder at a time, by a lock
// file in it; a copy started while another holds it asks that one to show its window.
// When the folder cannot be used, the copy says why on standard error, once, and plays
// with storage in memory: games find nothing saved, what they save ends with the program,
// and nothing in the folder is touched.
class SavedGames : public QObject {
  Q_OBJECT

 public:
  static QString DefaultFolder();

  explicit SavedGames(const QString& folder = DefaultFolder());

  // Another copy holds the folder and has shown its window; this copy has nothing to do.
  bool ShownByRunningCopy() const { return shownByRunningCopy_; }
  // The folder this copy holds; empty when what games save stays in memory.
  const QString& Folder() const { return heldFolder_; }

 signals:
  // A copy started later asked for this copy's window. Arrives on the UI thread.
  void ShowWindowRequested();

 private:
  void Claim(const QString& folder);
  void PlayInMemory(const QString& problem);

  QLockFile lock_;
  QString heldFolder_;
  bool shownByRunningCopy_ = false;
};

}  // namespace zingbox
