#include "platform/qt/SavedGames.h"

#include <QDir>
#include <QStandardPaths>

#include "platform/qt/RunningCopy.h"
#include "platform/qt/StandardError.h"

namespace zingbox {
namespace {

constexpr char LockFileName[] = "zingbox.lock";

QString Shown(const QString& folder) { return QDir::toNativeSeparators(folder); }

}  // namespace

QString SavedGames::DefaultFolder() {
  // The generic location is $XDG_DATA_HOME itself; the application one would add our
  // organisation and program names to it.
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
      .filePath(QStringLiteral("zingbox"));
}

SavedGames::SavedGames(const QString& folder) : lock_(QDir(folder).filePath(LockFileName)) {
  // The lock is held for as long as the copy runs, however long that is; one left by a
  // copy that was killed is recognised by its process being gone.
  lock_.setStaleLockTime(0);
  Claim(folder);
}

void SavedGames::Claim(const QString& folder) {
  if (!QDir().mkpath(folder)) {
    PlayInMemory(QStringLiteral("the folder %1 cannot be created").arg(Shown(folder)));
    return;
  }
  if (lock_.tryLock(0)) {
    heldFolder_ = folder;
    auto* answering = new RunningCopy(folder, this);
    connect(answering, &RunningCopy::ShowWindowRequested, this, &SavedGames::ShowWindowRequested);
    return;
  }
  if (lock_.error() != QLockFile::LockFailedError) {
    PlayInMemory(QStringLiteral("the folder %1 cannot be written to").arg(Shown(folder)));
    return;
  }
  if (RunningCopy::AskToShowWindow(folder)) {
    shownByRunningCopy_ = true;
    SayOnStandardError(QStringLiteral("the program is already running; its window has been brought to the front."));
    return;
  }
  PlayInMemory(QStringLiteral("another copy of the program holds %1 and does not answer").arg(Shown(folder)));
}

void SavedGames::PlayInMemory(const QString& problem) {
  SayOnStandardError(QStringLiteral("cannot keep saved games: %1. Games start with nothing saved, and what "
                     "they save now is lost when the program ends.")
          .arg(problem));
}

}  // namespace zingbox
