#include "tests/support/PlayerRefusals.h"

#include <algorithm>

#include "platform/RuntimeError.h"

namespace zingbox::test {
namespace {

[[noreturn]] void RefuseValue() {
  throw RuntimeError(error_number::InvalidPropertyValue, "Invalid property value");
}

bool IsHexDigit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

}  // namespace

float CheckedPlace(float twips) {
  if (!std::isfinite(twips) || std::fabs(twips / 15) > LargestWidgetPixels) RefuseValue();  // 15 twips a pixel
  return twips;
}

float CheckedSize(float twips) {
  if (twips < 0) RefuseValue();
  return CheckedPlace(twips);
}

void CheckColour(std::u16string_view colour) {
  const bool sixHexDigits = colour.size() == 6 && std::all_of(colour.begin(), colour.end(), IsHexDigit);
  if (!colour.empty() && !sixHexDigits) RefuseValue();
}

}  // namespace zingbox::test
