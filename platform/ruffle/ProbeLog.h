#pragma once

#include <QString>

namespace zingbox {

// For the benchmarks only: when ZINGBOX_PROBE_LOG names a file, every FSCommand that
// reaches the program is appended to it as "<monotonic ms> <command> <args>", stamped
// on arrival with CLOCK_MONOTONIC, so a script can time start-up and game switches
// from inside the movies. Without the variable it does nothing.
void AppendToProbeLog(const QString& command, const QString& args);

}  // namespace zingbox
