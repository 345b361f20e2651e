#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QUrl>

#include "platform/ruffle/UserGesture.h"

class QKeyEvent;
class QWidget;

namespace zingbox {

// Lets a movie's links out to the desktop only as the user's own input asks for them:
// one link per click or key press on the view, within a second of it, that the asking
// movie itself received. It watches the Qt input events that reach the view's widgets,
// which no page script can make. Movies are known by the program's number for them: a
// movie starts with no input to spend, and one the program has replaced gets none. A link
// without such input is dropped without a word. Use on the UI thread.
class LinkGate : public QObject {
  Q_OBJECT

 public:
  explicit LinkGate(QWidget* view);

  // See UserGesture.
  void MovieChosen(int movie) { gesture_.MovieChosen(movie); }
  void MovieStarted(int movie) { gesture_.MovieStarted(movie); }
  void Request(int movie, const QUrl& url);
  // A link that the page was asked for without a movie's number: the movie it plays.
  void RequestFromStartedMovie(const QUrl& url) { Request(gesture_.StartedMovie(), url); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Watch(QObject* widget);
  bool IsRepeat(const QKeyEvent& key);

  UserGesture gesture_;
  QElapsedTimer clock_;
  struct {
    int key = 0;
    quint64 time = 0;
  } lastKeyRelease_;
};

}  // namespace zingbox
