// The desktop opener on Windows: shell32's ShellExecuteA, bound by name at first use.
#include <windows.h>

#include "platform/desktop/DesktopOpener.h"

namespace zingbox {

namespace {
using ShellExecuteAProc = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
}

std::intptr_t ShellExecuteA(std::uintptr_t hwnd, const char* lpOperation, const char* lpFile,
                            const char* lpParameters, const char* lpDirectory, int nShowCmd) {
  static const auto bound = reinterpret_cast<ShellExecuteAProc>(
      GetProcAddress(LoadLibraryA("shell32.dll"), "ShellExecuteA"));
  if (!bound) return ERROR_PROC_NOT_FOUND;
  return reinterpret_cast<std::intptr_t>(bound(reinterpret_cast<HWND>(hwnd), lpOperation, lpFile,
                                               lpParameters, lpDirectory, nShowCmd));
}

std::intptr_t OpenOnDesktop(const char* target) { return ShellExecuteA(0, "open", target, "", "", SW_SHOWNORMAL); }

// ShellExecute takes no environment of ours to hand over: the program it starts gets the
// one the program has then, web engine settings included.
void KeepStartingEnvironment() {}

}  // namespace zingbox
