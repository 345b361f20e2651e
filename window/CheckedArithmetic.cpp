#include "window/CheckedArithmetic.h"

#include <cmath>
#include <limits>

#include "platform/RuntimeError.h"

namespace zingbox {

Formula Formula::operator/(float divisor) const {
  if (divisor == 0.0f) throw RuntimeError(error_number::DivisionByZero, "Division by zero");
  return Formula(value_ / divisor);
}

// Rounding past FLT_MAX must give infinity, as IEEE arithmetic does, for the check below.
static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<double>::is_iec559);

float Formula::Value() const {
  const float rounded = static_cast<float>(value_);
  // The classic toolkit reports an invalid operation (0/0, inf - inf) as an overflow
  // too, so both faults carry the same number.
  if (!std::isfinite(rounded)) throw RuntimeError(error_number::Overflow, "Overflow");
  return rounded;
}

}  // namespace zingbox
