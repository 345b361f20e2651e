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

}  // namespace zingbox::test
