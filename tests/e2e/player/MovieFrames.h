#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "tests/e2e/player/PlayerHarness.h"

namespace zingbox::test {

// Runs an event loop of its own, as the program's main loop runs, until `done` holds or
// `timeoutMs` has passed; then tells whether it holds. Unlike waits that only process
// events, this lets go of the pop-ups the page asked for as the program does, so they do
// not hold the page up.
bool RunUntil(const std::function<bool()>& done, int timeoutMs = 20000);

// Waits until the playing movie has sent `command` `frames` times more: a wait measured
// in rendered frames, for checks that something did not happen.
bool PlayFrames(PlayerHarness& harness, int frames, const QString& command = QStringLiteral("tick"));

// The numbers a counting movie sent with `command`, in the order they came.
std::vector<int> Reported(const PlayerHarness& harness, const QString& command);

// Whether `numbers` run 1, 2, 3, ... with none left out.
bool CountsOnFromOne(const std::vector<int>& numbers);

// Checks that StopPlay holds the playing counter.swf for the time of 30 frames and that
// Play goes on from where it stopped.
void ExpectStopPlayHoldsThenPlayGoesOn(PlayerHarness& harness);

// Checks that counter.swf, once loaded, stays at its first frame for the time of 30 frames.
void ExpectHeldAtItsFirstFrame(PlayerHarness& harness);

}  // namespace zingbox::test
