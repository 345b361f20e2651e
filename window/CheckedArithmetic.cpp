#include "window/CheckedArithmetic.h"

#include <cmath>

#include "platform/RuntimeError.h"

namespace zingbox {

Formula Formula::operator/(float divisor) const {
  if (divisor == 0.0f) throw RuntimeError(error_number::DivisionByZero, "Division by zero");
  return Formula(value_ / divisor);
}

float Formula::Value() const {
  const float rounded = static_cast<float>(value_);
  // The classic toolkit reports an invalid operation (0/0, inf - inf) as an overflow
  // too, so both faults carry the same number.
  if (!std::isfinite(rounded)) throw RuntimeError(error_number::Overflow, "Overflow");
  return rounded;
}

}  // namespace zingbox
