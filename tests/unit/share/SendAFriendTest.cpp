#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/desktop/AnsiCodePage.h"
#include "share/Module1.h"
#include "share/SendAFriend.h"

namespace zingbox {
namespace {

namespace fs = std::filesystem;

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

// A stand-in xdg-open, first on PATH, that writes each call's arguments (NUL-separated)
// to a file of its own.
class FakeXdgOpen {
 public:
  FakeXdgOpen() : dir_(fs::temp_directory_path() / ("zingbox-xdg-" + std::to_string(getpid()))) {
    fs::create_directories(dir_ / "calls");
    const fs::path script = dir_ / "xdg-open";
    std::ofstream(script) << "#!/bin/sh\nprintf '%s\\0' \"$#\" \"$@\" > \"" << (dir_ / "calls").string()
                          << "/$$.tmp\" && mv \"" << (dir_ / "calls").string() << "/$$.tmp\" \""
                          << (dir_ / "calls").string() << "/$$\"\n";
    fs::permissions(script, fs::perms::owner_all);
    setenv("PATH", (dir_.string() + ":" + std::getenv("PATH")).c_str(), 1);
  }
  ~FakeXdgOpen() { fs::remove_all(dir_); }

  // The calls so far, once count of them have arrived (the opener does not wait for them).
  std::vector<std::string> WaitForCalls(size_t count) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::vector<std::string> calls;
    while (std::chrono::steady_clock::now() < deadline) {
      calls.clear();
      for (const auto& entry : fs::directory_iterator(dir_ / "calls")) {
        if (entry.path().extension() == ".tmp") continue;
        std::ostringstream bytes;
        bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        calls.push_back(bytes.str());
      }
      if (calls.size() >= count) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return calls;
  }

  void Forget() const {
    for (const auto& entry : fs::directory_iterator(dir_ / "calls")) fs::remove(entry.path());
  }

 private:
  fs::path dir_;
};

std::string OneArgument(const std::string& argument) { return std::string("1") + '\0' + argument + '\0'; }

TEST(SendAFriend, HandsTheLinkToXdgOpenAsOneArgumentInTheLocalesCharacterSet) {
  FakeXdgOpen opener;

  ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
  Image7_Click(0);
  Image7_Click(0);
  const std::vector<std::string> utf8Calls = opener.WaitForCalls(2);
  ASSERT_EQ(utf8Calls.size(), 2u) << "each click is a request of its own";
  for (const std::string& call : utf8Calls) EXPECT_EQ(call, OneArgument(LinkText));

  opener.Forget();
  ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
  Image7_Click(0);
  const std::vector<std::string> asciiCalls = opener.WaitForCalls(1);
  ASSERT_EQ(asciiCalls.size(), 1u);
  EXPECT_EQ(asciiCalls[0], OneArgument(WithPlainDashes(LinkText)));
}

TEST(SendAFriend, LeavesNoZombieBehind) {
  FakeXdgOpen opener;
  Image7_Click(0);
  opener.WaitForCalls(1);
  // Every child of ours has been reaped: nothing is left to wait for.
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
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
