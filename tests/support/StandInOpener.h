#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace zingbox::test {

// A stand-in for the desktop's xdg-open, first on PATH while it lives, in a folder whose
// name holds a blank as some PATHs do. Each call leaves what it was handed in a file of
// its own, named after the clicks that made it and written aside first, so that none is
// read half written. The folder is the same for the whole test process, so an opener
// that keeps the path it found once still finds the next stand-in there.
class StandInOpener {
 public:
  StandInOpener();
  ~StandInOpener();
  StandInOpener(const StandInOpener&) = delete;
  StandInOpener& operator=(const StandInOpener&) = delete;

  // Names the calls that follow, for Addresses().
  static void NameClicks(const std::string& name);
  // What each call under `click` was handed, sorted: its one argument, or "<n arguments>"
  // for a call handed another number of them.
  std::vector<std::string> Addresses(const std::string& click = "request") const;
  // Addresses(), once `count` of them have come or ten seconds have passed: nothing
  // waits for the opener.
  std::vector<std::string> WaitForAddresses(std::size_t count, const std::string& click = "request") const;
  void Forget() const;
  // What the last call found set up for it: QTWEBENGINE_CHROMIUM_FLAGS (or "unset") on one
  // line, then its line of ignored signals.
  std::string Inherited() const;
  // Another copy of the stand-in, in `folder`, recording with this one.
  void CopyInto(const std::filesystem::path& folder) const;

  // Whether every child process of the test has been waited for: none is left a zombie.
  static bool EveryChildReaped();

 private:
  std::filesystem::path folder_;
  std::string pathBefore_;
};

}  // namespace zingbox::test
