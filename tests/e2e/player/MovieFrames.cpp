#include "tests/e2e/player/MovieFrames.h"

#include <QEventLoop>
#include <QTest>
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

std::vector<int> Reported(const PlayerHarness& harness, const QString& command) {
  std::vector<int> numbers;
  for (const Command& sent : harness.Commands())
    if (sent.command == command) numbers.push_back(sent.args.toInt());
  return numbers;
}

bool CountsOnFromOne(const std::vector<int>& numbers) {
  for (std::size_t i = 0; i < numbers.size(); ++i)
    if (numbers[i] != static_cast<int>(i) + 1) return false;
  return !numbers.empty();
}

void ExpectStopPlayHoldsThenPlayGoesOn(PlayerHarness& harness) {
  harness.Player().StopPlay();
  QVERIFY(harness.DrawnFrames(10));  // a report on its way lands
  const int stoppedAt = harness.LatestArgs("frame").toInt();
  QVERIFY(harness.DrawnFrames(60));
  QCOMPARE(harness.LatestArgs("frame").toInt(), stoppedAt);
  harness.Player().Play();
  QVERIFY(harness.WaitForCommand("frame", QString::number(stoppedAt + 3)));
}

void ExpectHeldAtItsFirstFrame(PlayerHarness& harness) {
  QTRY_COMPARE_WITH_TIMEOUT(
      harness.EvaluateInPage("document.querySelector('ruffle-player')?.ruffle().metadata?.numFrames"), "900", 20000);
  QVERIFY(harness.DrawnFrames(60));
  QVERIFY(Reported(harness, "frame").size() <= 1);
}

}  // namespace zingbox::test
