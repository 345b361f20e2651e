#pragma once

#include <stdexcept>
#include <string>

namespace zingbox {

// Numbers follow the classic toolkit's run-time errors, so a report reads the way
// users of the original program would recognise.
namespace error_number {
inline constexpr int Overflow = 6;
inline constexpr int DivisionByZero = 11;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int AutomationError = 440;
}  // namespace error_number

// A failed platform call or arithmetic check. Every handler but the resize pass lets
// it out; the Qt boundary shows it and the program goes on.
class RuntimeError : public std::runtime_error {
 public:
  RuntimeError(int number, const std::string& description)
      : std::runtime_error(description), number_(number) {}

  int Number() const { return number_; }

 private:
  int number_;
};

}  // namespace zingbox
