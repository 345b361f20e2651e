#pragma once

namespace zingbox {

// A logout (SIGHUP), `kill` (SIGTERM) or Ctrl+C (SIGINT) ends the program the way closing
// its window does: the signal becomes an event, the event loop ends, and everything shuts
// down in order, so what the games saved reaches the disk. Call on the UI thread after the
// web engine has started: it puts these signals back to their defaults as it starts.
void QuitOnTerminationSignals();

}  // namespace zingbox
