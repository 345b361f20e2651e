#pragma once

#include <string>

#include "Control.h"

namespace zingbox {

class Label : public Control {
 public:
  virtual void SetCaption(const std::u16string& caption) = 0;
};

}  // namespace zingbox
