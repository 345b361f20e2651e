#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zingbox::test {

// One log shared by all fakes of a test, so a test sees the order of operations across
// controls, timer and player. FailAt makes the named operation throw instead of
// happening, which is how tests stop a handler at a chosen step.
class OperationLog {
 public:
  // Records op, or throws RuntimeError 380 (not recording it) when op is the failing one.
  void Record(const std::string& op);
  // "<name>.<Property>=<value>" fails that assignment only; without "=<value>", any value.
  void FailAt(const std::string& op) { failing_ = op; }
  void FailNothing() { failing_.reset(); }
  void Clear() { ops_.clear(); }

  const std::vector<std::string>& Ops() const { return ops_; }

 private:
  std::vector<std::string> ops_;
  std::optional<std::string> failing_;
};

std::string Utf8(const std::u16string& text);
std::string TwipsText(float twips);

}  // namespace zingbox::test
