#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "platform/desktop/DesktopOpener.h"
#include "platform/desktop/PathSearch.h"

namespace zingbox {
namespace {

namespace fs = std::filesystem;

// A folder of our own under the temporary folder, gone with the test.
struct Scratch {
  Scratch() { fs::create_directories(root); }
  ~Scratch() { fs::remove_all(root); }
  const fs::path root = fs::temp_directory_path() / ("zingbox-opener-" + std::to_string(getpid()));
};

// An executable xdg-open in `folder` that writes its argument count and first argument,
// exactly, to "call" beside itself; and to "inherited", ZINGBOX_ENGINE_ONLY and the
// signals that a program it starts finds ignored. (The shell unblocks signals itself.)
fs::path RecordingXdgOpen(const fs::path& folder) {
  fs::create_directories(folder);
  const fs::path script = folder / "xdg-open";
  std::ofstream(script) << "#!/bin/sh\n{ printf '%s\\n' \"${ZINGBOX_ENGINE_ONLY-unset}\";"
                           " grep '^SigIgn' /proc/self/status; } > \"$(dirname \"$0\")/inherited\"\n"
                           "{ printf '%s\\n' \"$#\"; printf '%s' \"$1\"; } > \"$0.tmp\"\n"
                           "mv \"$0.tmp\" \"$(dirname \"$0\")/call\"\n";
  fs::permissions(script, fs::perms::owner_all);
  return folder / "call";
}

std::string WaitForFile(const fs::path& file) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!fs::exists(file) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  std::ostringstream bytes;
  bytes << std::ifstream(file, std::ios::binary).rdbuf();
  return bytes.str();
}

TEST(FindOnPath, TakesTheFirstAbsoluteFolderThatHoldsTheProgramBlanksAndAll) {
  Scratch scratch;
  const fs::path blank = scratch.root / "with blank";
  RecordingXdgOpen(blank);
  RecordingXdgOpen(scratch.root / "later");
  fs::create_directories(scratch.root / "empty");
  std::ofstream(scratch.root / "empty" / "xdg-open") << "not executable";
  // Empty and relative entries are skipped, even where they would name a folder with the program.
  RecordingXdgOpen(scratch.root / "relative");
  RecordingXdgOpen(scratch.root);
  const fs::path before = fs::current_path();
  fs::current_path(scratch.root);

  const std::string found = FindOnPath("xdg-open", "::relative:.:" + (scratch.root / "empty").string() + ":" +
                                                       blank.string() + ":" + (scratch.root / "later").string());
  fs::current_path(before);
  EXPECT_EQ(found, (blank / "xdg-open").string());
  EXPECT_EQ(FindOnPath("xdg-open", (scratch.root / "nowhere").string()), "");
  EXPECT_EQ(FindOnPath("xdg-open", ""), "");
}

// The one test that starts the opener: it finds xdg-open once and keeps it.
TEST(OpenOnDesktop, HandsTheExactBytesAsOneArgumentInTheStartingEnvironmentAndLeavesNoZombie) {
  Scratch scratch;
  const fs::path call = RecordingXdgOpen(scratch.root / "bin with blank");
  setenv("PATH", ("relative::" + (scratch.root / "bin with blank").string() + ":" + std::getenv("PATH")).c_str(), 1);
  KeepStartingEnvironment();
  // What the program then sets up for its web engine and itself.
  setenv("ZINGBOX_ENGINE_ONLY", "--no-sandbox", 1);
  std::signal(SIGPIPE, SIG_IGN);

  // Blanks, quotes, shell syntax, a line break and bytes that are no UTF-8.
  const std::string target =
      "https://zingbox.invalid/a b?q=\"1\";$(touch x)&c='d' `id` | cat\n\xFF\xFE*";

  EXPECT_GT(OpenOnDesktop(target.c_str()), 32);
  EXPECT_EQ(WaitForFile(call), "1\n" + target);
  EXPECT_EQ(WaitForFile(call.parent_path() / "inherited"),
            "unset\nSigIgn:\t0000000000000000\n");
  // Every child of ours has been reaped: nothing is left to wait for.
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

}  // namespace
}  // namespace zingbox
