#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "platform/desktop/AnsiCodePage.h"
#include "share/Module1.h"
#include "share/SendAFriend.h"
#include "tests/support/StandInOpener.h"

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

TEST(SendAFriend, HandsTheLinkToXdgOpenAsOneArgumentInTheLocalesCharacterSetAndLeavesNoZombie) {
  const test::StandInOpener opener;

  ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
  Image7_Click(0);
  Image7_Click(0);
  // Each click is a request of its own.
  EXPECT_EQ(opener.WaitForAddresses(2), std::vector<std::string>(2, LinkText));

  opener.Forget();
  ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
  Image7_Click(0);
  EXPECT_EQ(opener.WaitForAddresses(1), std::vector<std::string>{WithPlainDashes(LinkText)});
  EXPECT_TRUE(test::StandInOpener::EveryChildReaped());
}

TEST(AnsiCodePage, KeepsWhatTheCharacterSetHasAndSubstitutesTheRest) {
  ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
  EXPECT_EQ(ToAnsiCodePage(u"a\u2013\u00e9\U0001F47E"), "a\xE2\x80\x93\xC3\xA9\xF0\x9F\x91\xBE");
  EXPECT_EQ(ToAnsiCodePage(u""), "");
  ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
  EXPECT_EQ(ToAnsiCodePage(u"a\u2013b\u00e9\U0001F47E%0A"), "a-b??%0A");
}

// Run with no xdg-open anywhere on PATH (see CMakeLists.txt).
TEST(SendAFriendWithoutOpener, TheOpenerReportsFileNotFoundAndTheClickGoesOn) {
  EXPECT_EQ(Module1::ShellExecuteA(0, "Open", "mailto:", "", "", 1), 2);
  EXPECT_NO_THROW(Image7_Click(0));
}

}  // namespace
}  // namespace zingbox
