#include "AnsiCodePage.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <climits>
#include <cwchar>
#endif

namespace zingbox {

#ifdef _WIN32

std::string ToAnsiCodePage(std::u16string_view text) {
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, length, narrow.data(), size, nullptr, nullptr);
  return narrow;
}

#else

namespace {

char32_t NextCodePoint(std::u16string_view text, size_t& i) {
  const char32_t unit = text[i++];
  const bool highSurrogate = unit >= 0xD800 && unit < 0xDC00;
  if (highSurrogate && i < text.size() && text[i] >= 0xDC00 && text[i] < 0xE000) {
    return 0x10000 + ((unit - 0xD800) << 10) + (text[i++] - 0xDC00);
  }
  return unit;
}

char Substitute(char32_t c) {
  const bool dash = c >= 0x2010 && c <= 0x2015;
  return dash ? '-' : '?';
}

}  // namespace

std::string ToAnsiCodePage(std::u16string_view text) {
  std::string narrow;
  std::mbstate_t state{};
  char bytes[MB_LEN_MAX];
  for (size_t i = 0; i < text.size();) {
    const char32_t c = NextCodePoint(text, i);
    const size_t written = std::wcrtomb(bytes, static_cast<wchar_t>(c), &state);
    if (written == static_cast<size_t>(-1)) {
      state = std::mbstate_t{};
      narrow += Substitute(c);
    } else {
      narrow.append(bytes, written);
    }
  }
  return narrow;
}

#endif

}  // namespace zingbox
