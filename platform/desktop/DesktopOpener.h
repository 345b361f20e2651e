#pragma once

#include <cstdint>

namespace zingbox {

// Hands `target` (a web or mail address) to the desktop, which opens it with the user's
// browser or mail program: the exact bytes, as one argument, never through a shell.
// Returns at once with ShellExecute's result codes (above 32 when the opener started).
// Both Send a Friend and a movie's links leave the program through here.
std::intptr_t OpenOnDesktop(const char* target);

}  // namespace zingbox
