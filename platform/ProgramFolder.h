#pragma once

#include <string>

namespace zingbox {

// The folder the shell's movie paths begin with: the pack folder, which holds the menu and
// the games. It is chosen once at start and never changes while the program runs.
class ProgramFolder {
 public:
  virtual ~ProgramFolder() = default;
  virtual std::u16string MovieFolder() const = 0;
};

}  // namespace zingbox
