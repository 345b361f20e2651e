#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "platform/ruffle/PlayerPolicy.h"

namespace zingbox {

// The object the host page reaches over the web channel. Its slots run on the UI thread.
// What the page passes on of a movie's is asked of the policy again here: the page's own
// checks are no guard against script that got past them.
class PageBridge : public QObject {
  Q_OBJECT

 public:
  PageBridge(PlayerPolicy& policy, QObject* parent) : QObject(parent), policy_(policy) {}

 public slots:
  // Everything the page reports of a movie carries the program's number for it, the one
  // the page was given with the movie.

  // The movie's commands of one turn of the engine: command, arguments, command, ...
  void fsCommands(int movie, const QStringList& texts) {
    for (qsizetype command = 0; command + 1 < texts.size(); command += 2) {
      const QString& name = texts[command];
      const QString& args = texts[command + 1];
      if (policy_.Decide(PlayerPolicy::Command{name, args}).allowed) emit FSCommandReceived(movie, name, args);
    }
  }
  void openLink(int movie, const QString& address) { emit LinkRequested(movie, address); }
  void movieStarted(int movie) { emit MovieStarted(movie); }
  // The engine gave up; `movieRead` says whether it had read the movie's header.
  void enginePanicked(int movie, bool movieRead) { emit EnginePanicked(movie, movieRead); }
  void movieUnreadable(int movie) { emit MovieUnreadable(movie); }
  void pageReady(bool engineLoaded) { emit Ready(engineLoaded); }

 signals:
  void FSCommandReceived(int movie, const QString& command, const QString& args);
  void LinkRequested(int movie, const QString& address);
  void MovieStarted(int movie);
  void EnginePanicked(int movie, bool movieRead);
  void MovieUnreadable(int movie);
  void Ready(bool engineLoaded);

 private:
  PlayerPolicy& policy_;
};

}  // namespace zingbox
