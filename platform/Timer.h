#pragma once

namespace zingbox {

class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetEnabled(bool enabled) = 0;
};

}  // namespace zingbox
