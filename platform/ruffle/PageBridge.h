#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

namespace zingbox {

// The object the host page reaches over the web channel. Its slots run on the UI thread.
class PageBridge : public QObject {
  Q_OBJECT

 public:
  // The longest text, in UTF-16 units, that a movie may send as a command or a link. The
  // page drops longer commands before they cross the channel; they are refused here again.
  static constexpr qsizetype LongestCommandText = 64 * 1024;

  using QObject::QObject;

 public slots:
  // Everything the page reports of a movie carries the program's number for it, the one
  // the page was given with the movie.

  // The movie's commands of one turn of the engine: command, arguments, command, ...
  void fsCommands(int movie, const QStringList& texts) {
    for (qsizetype command = 0; command + 1 < texts.size(); command += 2) {
      const QString& name = texts[command];
      const QString& args = texts[command + 1];
      if (name.size() <= LongestCommandText && args.size() <= LongestCommandText)
        emit FSCommandReceived(movie, name, args);
    }
  }
  void openLink(int movie, const QString& url) {
    if (url.size() <= LongestCommandText) emit LinkRequested(movie, QUrl(url));
  }
  void movieStarted(int movie) { emit MovieStarted(movie); }
  // The engine gave up; `movieRead` says whether it had read the movie's header.
  void enginePanicked(int movie, bool movieRead) { emit EnginePanicked(movie, movieRead); }
  void movieUnreadable(int movie) { emit MovieUnreadable(movie); }
  void pageReady(bool engineLoaded) { emit Ready(engineLoaded); }

 signals:
  void FSCommandReceived(int movie, const QString& command, const QString& args);
  void LinkRequested(int movie, const QUrl& url);
  void MovieStarted(int movie);
  void EnginePanicked(int movie, bool movieRead);
  void MovieUnreadable(int movie);
  void Ready(bool engineLoaded);
};

}  // namespace zingbox
