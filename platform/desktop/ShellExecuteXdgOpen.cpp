// Module1's opener on Linux and other free desktops: the desktop opener, xdg-open.
#include "platform/desktop/DesktopOpener.h"
#include "share/Module1.h"

namespace zingbox::Module1 {

std::intptr_t ShellExecuteA(std::uintptr_t /*hwnd: X11 has no owner window to hand over*/,
                            const char* /*lpOperation: xdg-open only opens*/, const char* lpFile,
                            const char* /*lpParameters*/, const char* /*lpDirectory*/,
                            int /*nShowCmd*/) {
  return OpenOnDesktop(lpFile);
}

}  // namespace zingbox::Module1
