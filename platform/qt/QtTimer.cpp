#include "QtTimer.h"

namespace zingbox {

QtTimer::QtTimer(QObject* parent, const QString& name, int intervalMilliseconds) : QObject(parent) {
  setObjectName(name);
  timer_.setInterval(intervalMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &QtTimer::tick);
}

// Enabling a running timer starts its interval afresh, so every press shows for a full one.
void QtTimer::SetEnabled(bool enabled) {
  if (enabled) {
    timer_.start();
  } else {
    timer_.stop();
  }
}

}  // namespace zingbox
