#include "SendAFriend.h"

#include <string>

#include "AnsiCodePage.h"
#include "MailLink.h"

namespace zingbox {

namespace {
constexpr int SW_SHOWNORMAL = 1;
}

void Image7_Click(std::uintptr_t windowHandle, const Module1::ShellExecuteA& shellExecuteA) {
  const std::string directory = ToAnsiCodePage(u"");
  const std::string parameters = ToAnsiCodePage(u"");
  const std::string link = ToAnsiCodePage(MailLink);
  const std::string operation = ToAnsiCodePage(u"Open");
  // Whether a mail program opened is the desktop's affair; the click reports nothing.
  shellExecuteA(windowHandle, operation.c_str(), link.c_str(), parameters.c_str(), directory.c_str(), SW_SHOWNORMAL);
}

}  // namespace zingbox
