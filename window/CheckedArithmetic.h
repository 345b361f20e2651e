#pragma once

namespace zingbox {

// A layout formula while it is being formed. Terms join left to right in double
// precision; the value is checked as it is rounded back to the controls' float, so an
// overflow, an invalid operation or a division by zero is an error of the step that
// computes it, never a strange number handed to a control.
class Formula {
 public:
  // A float term widens exactly; the constants of the formulas are whole twips.
  explicit Formula(double first) : value_(first) {}

  Formula operator+(float term) const { return Formula(value_ + term); }
  Formula operator-(float term) const { return Formula(value_ - term); }
  // Throws RuntimeError (division by zero) for a zero divisor.
  Formula operator/(float divisor) const;

  // Rounded to float. Throws RuntimeError (overflow) when that is not a finite number,
  // whether it overflowed or came out as not-a-number.
  float Value() const;

 private:
  double value_;
};

}  // namespace zingbox
