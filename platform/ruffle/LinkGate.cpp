#include "platform/ruffle/LinkGate.h"

#include <QKeyEvent>
#include <QWidget>
#include <utility>

#include "platform/ruffle/PlayerPolicy.h"

namespace zingbox {
namespace {

bool IsPress(QEvent::Type type) {
  return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
         type == QEvent::TouchBegin || type == QEvent::KeyPress;
}

bool IsRelease(QEvent::Type type) {
  return type == QEvent::MouseButtonRelease || type == QEvent::TouchEnd || type == QEvent::KeyRelease;
}

}  // namespace

LinkGate::LinkGate(QWidget* view, PlayerPolicy& policy, Opener open)
    : QObject(view), policy_(policy), open_(std::move(open)) {
  clock_.start();
  // The engine draws into a child widget that it may replace; every child is watched.
  view->installEventFilter(this);
  for (QObject* child : view->children()) Watch(child);
}

void LinkGate::Watch(QObject* widget) {
  if (widget->isWidgetType()) widget->installEventFilter(this);
}

bool LinkGate::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::ChildAdded && watched == parent()) {
    Watch(static_cast<QChildEvent*>(event)->child());
  } else if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) &&
             IsRepeat(*static_cast<QKeyEvent*>(event))) {
    // A held key is one press of the user's.
  } else if (IsPress(type)) {
    gesture_.Pressed(clock_.elapsed());
  } else if (IsRelease(type)) {
    gesture_.Released(clock_.elapsed());
  }
  return false;
}

bool LinkGate::IsRepeat(const QKeyEvent& key) {
  // The X server repeats a held key as a release and a press with one time stamp. Qt
  // flags most of them, but not a release whose press has not reached it yet.
  const bool pairedWithLastRelease =
      key.type() == QEvent::KeyPress && key.key() == lastKeyRelease_.key && key.timestamp() == lastKeyRelease_.time;
  if (key.type() == QEvent::KeyRelease) lastKeyRelease_ = {key.key(), key.timestamp()};
  return key.isAutoRepeat() || pairedWithLastRelease;
}

void LinkGate::Request(int movie, const QString& address) {
  const PlayerPolicy::Verdict verdict = policy_.Decide(PlayerPolicy::Link{address});
  if (!verdict.allowed || !gesture_.Spend(movie, clock_.elapsed())) return;
  // Whether a browser opened is the desktop's affair; the movie learns nothing of it.
  open_(verdict.desktopAddress);
}

}  // namespace zingbox
