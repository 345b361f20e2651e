// Module1's opener on Linux and other free desktops: xdg-open, started directly.
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <string_view>

#include "share/Module1.h"

namespace zingbox::Module1 {

namespace {

// ShellExecute's own result codes, so callers on every platform read the same values.
constexpr std::intptr_t SE_ERR_FNF = 2;
constexpr std::intptr_t SE_ERR_OOM = 8;
constexpr std::intptr_t SE_ERR_NOASSOC = 31;
constexpr std::intptr_t Launched = 33;

std::string FindOnPath(std::string_view program) {
  const char* path = std::getenv("PATH");
  std::string_view dirs = path ? path : "";
  while (!dirs.empty()) {
    const size_t colon = dirs.find(':');
    std::string candidate(dirs.substr(0, colon));
    candidate += '/';
    candidate += program;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    dirs = colon == std::string_view::npos ? std::string_view{} : dirs.substr(colon + 1);
  }
  return {};
}

const std::string& XdgOpen() {
  // Looked up at first use and kept once found, as a DLL entry point would be.
  static std::string found;
  if (found.empty()) found = FindOnPath("xdg-open");
  return found;
}

}  // namespace

std::intptr_t ShellExecuteA(std::uintptr_t /*hwnd: X11 has no owner window to hand over*/,
                            const char* /*lpOperation: xdg-open only opens*/, const char* lpFile,
                            const char* /*lpParameters*/, const char* /*lpDirectory*/,
                            int /*nShowCmd*/) {
  const std::string& program = XdgOpen();
  if (program.empty()) return SE_ERR_FNF;
  char* const argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(lpFile), nullptr};

  // Double fork: the grandchild is adopted by init, so it never lingers as our zombie and
  // we never wait for the mail program. Only async-signal-safe calls after fork.
  const pid_t child = fork();
  if (child < 0) return SE_ERR_OOM;
  if (child == 0) {
    const pid_t grandchild = fork();
    if (grandchild == 0) {
      setsid();
      execv(argv[0], argv);
      _exit(127);
    }
    _exit(grandchild < 0 ? 1 : 0);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Launched : SE_ERR_NOASSOC;
}

}  // namespace zingbox::Module1
