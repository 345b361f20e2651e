#pragma once

namespace zingbox {

// Sets up the environment the web engine reads once at start-up. Call it first thing in
// main, before the QApplication exists.
void PrepareEngineEnvironment();

}  // namespace zingbox
