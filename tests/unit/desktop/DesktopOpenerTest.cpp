#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/desktop/DesktopOpener.h"
#include "platform/desktop/PathSearch.h"
#include "tests/support/StandInOpener.h"

namespace zingbox {
namespace {

namespace fs = std::filesystem;

TEST(FindOnPath, TakesTheFirstAbsoluteFolderThatHoldsTheProgramBlanksAndAll) {
  const test::StandInOpener opener;
  const fs::path scratch = fs::temp_directory_path() / ("zingbox-path-" + std::to_string(getpid()));
  const fs::path blank = scratch / "with blank";
  for (const fs::path& folder : {blank, scratch / "later", scratch / "relative", scratch}) opener.CopyInto(folder);
  fs::create_directories(scratch / "empty");
  std::ofstream(scratch / "empty" / "xdg-open") << "not executable";
  // Empty and relative entries are skipped, even where they would name a folder with the program.
  const fs::path before = fs::current_path();
  fs::current_path(scratch);

  const std::string found = FindOnPath("xdg-open", "::relative:.:" + (scratch / "empty").string() + ":" +
                                                       blank.string() + ":" + (scratch / "later").string());
  fs::current_path(before);
  fs::remove_all(scratch);
  EXPECT_EQ(found, (blank / "xdg-open").string());
  EXPECT_EQ(FindOnPath("xdg-open", (scratch / "nowhere").string()), "");
  EXPECT_EQ(FindOnPath("xdg-open", ""), "");
}

// The ignored signals among those the C library keeps for itself (from 32 to SIGRTMIN),
// as this process was handed them: no program can set those back, so they pass on.
std::string ReservedSignalsIgnoredAtStart() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line) && line.rfind("SigIgn:", 0) != 0) {
  }
  std::uint64_t reserved = 0;
  for (int signal = 32; signal < SIGRTMIN; ++signal) reserved |= std::uint64_t{1} << (signal - 1);
  const std::uint64_t ignored = std::stoull(line.substr(line.find_first_not_of(" \t", 7)), nullptr, 16);
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(ignored & reserved));
  return hex;
}

// A desktop without an opener answers as Windows does for a missing file. Nothing is found
// to keep for later.
TEST(ShellExecuteA, WithNoXdgOpenOnPathReportsFileNotFound) {
  const std::string path = std::getenv("PATH");
  setenv("PATH", "/nonexistent", 1);
  EXPECT_EQ(ShellExecuteA(0, "Open", "mailto:", "", "", 1), 2);
  setenv("PATH", path.c_str(), 1);
}

// The one test that starts the opener: it finds xdg-open once and keeps it.
TEST(OpenOnDesktop, HandsTheExactBytesAsOneArgumentInTheStartingEnvironmentAndLeavesNoZombie) {
  const std::string reservedIgnored = ReservedSignalsIgnoredAtStart();
  const test::StandInOpener opener;
  setenv("PATH", ("relative::" + std::string(std::getenv("PATH"))).c_str(), 1);
  unsetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  KeepStartingEnvironment();
  // What the program then sets up for its web engine and itself.
  setenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox", 1);
  std::signal(SIGPIPE, SIG_IGN);

  // Blanks, quotes, shell syntax, a line break and bytes that are no UTF-8.
  const std::string target =
      "https://zingbox.invalid/a b?q=\"1\";$(touch x)&c='d' `id` | cat\n\xFF\xFE*";

  EXPECT_GT(OpenOnDesktop(target.c_str()), 32);
  EXPECT_EQ(opener.WaitForAddresses(1), std::vector<std::string>{target});
  EXPECT_EQ(opener.Inherited(), "unset\nSigIgn:\t" + reservedIgnored + "\n");
  EXPECT_TRUE(test::StandInOpener::EveryChildReaped());
}

}  // namespace
}  // namespace zingbox
