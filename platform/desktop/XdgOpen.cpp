// The desktop opener and its ShellExecuteA on Linux and other free desktops: xdg-open,
// started directly.
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/desktop/DesktopOpener.h"
#include "platform/desktop/PathSearch.h"

namespace zingbox {
namespace {

// ShellExecute's own result codes, so callers on every platform read the same values.
constexpr std::intptr_t SE_ERR_FNF = 2;
constexpr std::intptr_t SE_ERR_OOM = 8;
constexpr std::intptr_t SE_ERR_NOASSOC = 31;
constexpr std::intptr_t Launched = 33;

const std::string& XdgOpen() {
  // Looked up at first use and kept once found, as a DLL entry point would be.
  static std::string found;
  if (found.empty()) {
    const char* path = std::getenv("PATH");
    found = FindOnPath("xdg-open", path != nullptr ? path : "");
  }
  return found;
}

// The starting environment as execve takes it, made ahead: nothing may be allocated
// between fork and exec.
struct {
  std::vector<std::string> variables;
  std::vector<char*> pointers;
} starting;

char** EnvironmentToHandOver() { return starting.pointers.empty() ? environ : starting.pointers.data(); }

// The program ignores SIGPIPE and handles the termination signals; a program we start
// begins as any other would. Async-signal-safe.
void RestoreDefaultSignals() {
  struct sigaction byDefault = {};
  byDefault.sa_handler = SIG_DFL;
  // The signals that cannot be changed, and those the C library keeps, refuse quietly.
  for (int signal = 1; signal < NSIG; ++signal) sigaction(signal, &byDefault, nullptr);
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
}

}  // namespace

void KeepStartingEnvironment() {
  for (char** variable = environ; *variable != nullptr; ++variable) starting.variables.emplace_back(*variable);
  for (std::string& variable : starting.variables) starting.pointers.push_back(variable.data());
  starting.pointers.push_back(nullptr);
}

std::intptr_t OpenOnDesktop(const char* target) {
  const std::string& program = XdgOpen();
  if (program.empty()) return SE_ERR_FNF;
  char* const argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(target), nullptr};
  char** const environment = EnvironmentToHandOver();

  // Double fork: the grandchild is adopted by init, so it never lingers as our zombie and
  // we never wait for the browser or mail program. Only async-signal-safe calls after fork.
  const pid_t child = fork();
  if (child < 0) return SE_ERR_OOM;
  if (child == 0) {
    const pid_t grandchild = fork();
    if (grandchild == 0) {
      setsid();
      // The browser must not inherit the engine's sockets and files.
      close_range(3, ~0U, 0);
      RestoreDefaultSignals();
      execve(argv[0], argv, environment);
      _exit(127);
    }
    _exit(grandchild < 0 ? 1 : 0);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Launched : SE_ERR_NOASSOC;
}

std::intptr_t ShellExecuteA(std::uintptr_t /*hwnd: X11 has no owner window to hand over*/,
                            const char* /*lpOperation: xdg-open only opens*/, const char* lpFile,
                            const char* /*lpParameters*/, const char* /*lpDirectory*/, int /*nShowCmd*/) {
  return OpenOnDesktop(lpFile);
}

}  // namespace zingbox
