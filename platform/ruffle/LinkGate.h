#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QUrl>
#include <functional>

#include "platform/ruffle/UserGesture.h"

class QKeyEvent;
class QWidget;

namespace zingbox {

class PlayerPolicy;

// Hands the desktop a movie's links that the policy lets out, only as the user's own
// input asks for them: one link per click or key press on the view, soon after it (see
// UserGesture), that the asking movie itself received. It watches the Qt input events
// that reach the view's widgets, which no page script can make. Movies are known by the
// program's number for them: a movie starts with no input to spend, and one the program
// has replaced gets none. A link without such input is dropped without a word. Use on the
// UI thread.
class LinkGate : public QObject {
  Q_OBJECT

 public:
  // Hands the desktop the exact bytes of an address.
  using Opener = std::function<void(const QByteArray& address)>;

  LinkGate(QWidget* view, PlayerPolicy& policy, Opener open);

  // See UserGesture.
  void MovieChosen(int movie) { gesture_.MovieChosen(movie); }
  void MovieStarted(int movie) { gesture_.MovieStarted(movie); }
  void Request(int movie, const QString& address);
  // A link that the page was asked for without a movie's number: the movie it plays.
  void RequestFromStartedMovie(const QUrl& url) {
    Request(gesture_.StartedMovie(), url.toString(QUrl::FullyEncoded));
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Watch(QObject* widget);
  bool IsRepeat(const QKeyEvent& key);

  PlayerPolicy& policy_;
  Opener open_;
  UserGesture gesture_;
  QElapsedTimer clock_;
  struct {
    int key = 0;
    quint64 time = 0;
  } lastKeyRelease_;
};

}  // namespace zingbox
