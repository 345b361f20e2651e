#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "share/AnsiCodePage.h"
#include "share/SendAFriend.h"

namespace zingbox {
namespace {

// The link as a person reads it, typed independently of the program's constant.
const std::string LinkText =
    "mailto: ?subject=You have to try this!!!&body=I just installed Zingbox! Classic Zingbox Pack "
    "and I am hooked.%0A%0AYou are about to experience the original sights, sounds, and game play "
    "that made these games a classic in the Zingbox – every roar and flash is identical to the "
    "original – the only difference – the quarters are free! Zingbox! Classic Zingbox Pack "
    "includes six addictive games: Krellmoor, Gobalan, Tibb, Wuzz, Vexo Vexorians, and Quib."
    "%0A%0AZingbox! is totally free and available for download at: https://zingbox.org/download";

std::string WithPlainDashes(std::string text) {
  const std::string enDash = "\xE2\x80\x93";
  for (size_t at; (at = text.find(enDash)) != std::string::npos;) text.replace(at, enDash.size(), "-");
  return text;
}

// The opener's six arguments, as text, call by call.
using Calls = std::vector<std::vector<std::string>>;

TEST(SendAFriend, HandsTheLinkOverInOneCallInTheLocalesCharacterSetWhateverTheOpenerAnswers) {
  Calls calls;
  const Module1::ShellExecuteA opener = [&calls](std::uintptr_t hwnd, const char* operation, const char* file,
                                                 const char* parameters, const char* directory, int show) {
    calls.push_back({std::to_string(hwnd), operation, file, parameters, directory, std::to_string(show)});
    return std::intptr_t{2};  // no opener on this desktop: the click goes on all the same
  };

  ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
  Image7_Click(7, opener);
  Image7_Click(7, opener);
  // Each click is a request of its own.
  EXPECT_EQ(calls, Calls(2, {"7", "Open", LinkText, "", "", "1"}));

  calls.clear();
  ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
  Image7_Click(7, opener);
  EXPECT_EQ(calls, Calls(1, {"7", "Open", WithPlainDashes(LinkText), "", "", "1"}));
}

TEST(AnsiCodePage, KeepsWhatTheCharacterSetHasAndSubstitutesTheRest) {
  ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
  EXPECT_EQ(ToAnsiCodePage(u"a\u2013\u00e9\U0001F47E"), "a\xE2\x80\x93\xC3\xA9\xF0\x9F\x91\xBE");
  EXPECT_EQ(ToAnsiCodePage(u""), "");
  ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
  EXPECT_EQ(ToAnsiCodePage(u"a\u2013b\u00e9\U0001F47E%0A"), "a-b??%0A");
}

}  // namespace
}  // namespace zingbox
