#include "OperationLog.h"

#include <sstream>

#include "platform/RuntimeError.h"

namespace zingbox::test {

void OperationLog::Record(const std::string& op) {
  if (failing_ && (op == *failing_ || op.rfind(*failing_ + "=", 0) == 0))
    throw RuntimeError(error_number::InvalidPropertyValue, "Invalid property value");
  ops_.push_back(op);
}

std::string Utf8(const std::u16string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string TwipsText(float twips) {
  std::ostringstream text;
  text.precision(9);
  text << twips;
  return text.str();
}

}  // namespace zingbox::test
