#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zingbox {

struct Game {
  int16_t number;
  std::u16string_view commandArgument;
  std::u16string_view movieFile;
  // Empty: BGColor is left as it is when the game starts.
  std::u16string_view backgroundColour;
};

inline constexpr std::u16string_view MenuMovie = u"\\zingbox.swf";
inline constexpr std::u16string_view MenuBackgroundColour = u"000000";

inline constexpr std::array<Game, 6> GameCatalogue{{
    {1, u"gobo", u"\\gobolon.swf", u""},
    {2, u"krell", u"\\krell.swf", u""},
    {3, u"tibb", u"\\tibb.swf", u""},
    {4, u"vexo", u"\\vexorian.swf", u""},
    {5, u"wuzz", u"\\wuzz.swf", u"99cc99"},
    {6, u"quib", u"\\quib.swf", u"DDEEFF"},
}};

// Exact comparison, code unit by code unit, in game-number order.
std::optional<Game> FindGameByCommandArgument(std::u16string_view argument);
// Game 0, the menu, has no row.
std::optional<Game> FindGameByNumber(int16_t number);

}  // namespace zingbox
