#pragma once

#include <QObject>
#include <QTimer>

#include "platform/Timer.h"

namespace zingbox {

// Ticks every interval while enabled; created disabled.
class QtTimer : public QObject, public Timer {
  Q_OBJECT

 public:
  QtTimer(QObject* parent, const QString& name, int intervalMilliseconds);

  void SetEnabled(bool enabled) override;
  bool Enabled() const { return timer_.isActive(); }

 signals:
  void tick();

 private:
  QTimer timer_;
};

}  // namespace zingbox
