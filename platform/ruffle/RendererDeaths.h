#pragma once

#include <QList>
#include <QtGlobal>

namespace zingbox {

// When a renderer that keeps dying is brought back no more: after the third death within
// a minute. Times are milliseconds of one steady clock.
class RendererDeaths {
 public:
  // Notes a death; true if the renderer should be brought back.
  bool NoteDeath(qint64 now);
  // The user asks for another try: earlier deaths no longer count.
  void Forget() { recent_.clear(); }

 private:
  static constexpr int MostInAWindow = 2;
  static constexpr qint64 WindowMs = 60'000;

  QList<qint64> recent_;
};

}  // namespace zingbox
