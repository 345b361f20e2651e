#pragma once

#include "platform/ProgramFolder.h"

namespace zingbox {

// The folder of the running executable, as Qt reports it at the moment of asking.
class QtProgramFolder : public ProgramFolder {
 public:
  std::u16string MovieFolder() const override;
};

}  // namespace zingbox
