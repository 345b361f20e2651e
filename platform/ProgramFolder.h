#pragma once

#include <string>

namespace zingbox {

// The folder that holds the program file, as the platform reports it. Asked at every
// movie load and never cached, so a moved program still finds its movies.
class ProgramFolder {
 public:
  virtual ~ProgramFolder() = default;
  virtual std::u16string MovieFolder() const = 0;
};

}  // namespace zingbox
