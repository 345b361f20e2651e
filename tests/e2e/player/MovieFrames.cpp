#include "tests/e2e/player/MovieFrames.h"

#include <QEventLoop>
#include <QTimer>

namespace zingbox::test {

bool RunUntil(const std::function<bool()>& done, int timeoutMs) {
  if (done()) return true;
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done()) loop.quit();
  });
  poll.start(20);
  QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
  loop.exec();
  return done();
}

bool PlayFrames(PlayerHarness& harness, int frames, const QString& command) {
  const int target = harness.CountOf(command) + frames;
  // Frames come at 30 a second at best; allow for a slow, busy machine.
  return RunUntil([&] { return harness.CountOf(command) >= target; }, frames * 200 + 10000);
}

}  // namespace zingbox::test
