#include "tests/support/StandInOpener.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace zingbox::test {

namespace fs = std::filesystem;

StandInOpener::StandInOpener()
    : folder_(fs::temp_directory_path() / ("zingbox opener " + std::to_string(getpid()))),
      pathBefore_(std::getenv("PATH") ? std::getenv("PATH") : "") {
  fs::create_directories(folder_ / "calls");
  CopyInto(folder_);
  setenv("PATH", (folder_.string() + ":" + pathBefore_).c_str(), 1);
}

StandInOpener::~StandInOpener() {
  setenv("PATH", pathBefore_.c_str(), 1);
  fs::remove_all(folder_);
}

void StandInOpener::NameClicks(const std::string& name) { setenv("ZINGBOX_CLICK_NAME", name.c_str(), 1); }

void StandInOpener::CopyInto(const fs::path& folder) const {
  fs::create_directories(folder);
  const fs::path script = folder / "xdg-open";
  // The count, then each argument, each ended by a NUL, which no argument can hold.
  std::ofstream(script) << "#!/bin/sh\ncalls='" << (folder_ / "calls").string() << "'\n"
                        << "{ printf '%s\\n' \"${QTWEBENGINE_CHROMIUM_FLAGS-unset}\"; grep '^SigIgn' /proc/self/status; }"
                        << " > \"$calls/../inherited\"\n"
                        << "{ printf '%s\\0' \"$#\"; for a; do printf '%s\\0' \"$a\"; done; } > \"$calls/partial.$$\"\n"
                        << "mv \"$calls/partial.$$\" \"$calls/${ZINGBOX_CLICK_NAME:-request}.$$\"\n";
  fs::permissions(script, fs::perms::owner_all);
}

std::vector<std::string> StandInOpener::Addresses(const std::string& click) const {
  std::vector<std::string> addresses;
  for (const auto& entry : fs::directory_iterator(folder_ / "calls")) {
    if (entry.path().stem() != click) continue;
    std::ostringstream bytes;
    bytes << std::ifstream(entry.path(), std::ios::binary).rdbuf();
    std::vector<std::string> fields;
    std::istringstream call(bytes.str());
    for (std::string field; std::getline(call, field, '\0');) fields.push_back(field);
    const bool one = fields.size() == 2 && fields[0] == "1";
    addresses.push_back(one ? fields[1] : "<" + (fields.empty() ? "?" : fields[0]) + " arguments>");
  }
  std::sort(addresses.begin(), addresses.end());
  return addresses;
}

std::vector<std::string> StandInOpener::WaitForAddresses(std::size_t count, const std::string& click) const {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  std::vector<std::string> addresses;
  while ((addresses = Addresses(click)).size() < count && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return addresses;
}

std::string StandInOpener::Inherited() const {
  std::ostringstream bytes;
  bytes << std::ifstream(folder_ / "inherited").rdbuf();
  return bytes.str();
}

void StandInOpener::Forget() const {
  for (const auto& entry : fs::directory_iterator(folder_ / "calls")) fs::remove(entry.path());
}

bool StandInOpener::EveryChildReaped() { return waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD; }

}  // namespace zingbox::test
