#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace zingbox {

// The copy of the program that holds a saved-games folder answers the copies started
// after it on the same folder: they ask it to show its window instead of opening one of
// their own. It listens on a socket named after the folder, in the user's runtime folder.
class RunningCopy : public QObject {
  Q_OBJECT

 public:
  // Only the copy that holds the folder's lock may listen; an old socket left by a copy
  // that was killed is replaced.
  explicit RunningCopy(const QString& savedGamesFolder, QObject* parent = nullptr);

  // Asks the copy that holds the folder to show its window. True once it says it has;
  // false when no copy answers within a few seconds.
  static bool AskToShowWindow(const QString& savedGamesFolder);

 signals:
  void ShowWindowRequested();

 private:
  void Answer();

  QLocalServer* server_;
};

}  // namespace zingbox
