#pragma once

#include <cstdint>

namespace zingbox {

// Hands `target` (a web or mail address) to the desktop, which opens it with the user's
// browser or mail program: the exact bytes, as one argument, never through a shell.
// Returns at once with ShellExecute's result codes (above 32 when the opener started).
// Both Send a Friend and a movie's links leave the program through here.
std::intptr_t OpenOnDesktop(const char* target);

// The desktop's "open this" call as Send a Friend is handed it (share/Module1.h), bound by
// name at its first use: shell32's ShellExecuteA on Windows, OpenOnDesktop elsewhere.
std::intptr_t ShellExecuteA(std::uintptr_t hwnd, const char* lpOperation, const char* lpFile,
                            const char* lpParameters, const char* lpDirectory, int nShowCmd);

// Keeps the environment the user started the program with: what the opener hands the
// browser or mail program, rather than the settings the program makes for its web engine.
// Call first thing in main, before anything changes the environment; without it, the
// opener hands over the environment as it is then.
void KeepStartingEnvironment();

}  // namespace zingbox
