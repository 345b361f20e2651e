#include "GameCatalogue.h"

namespace zingbox {

std::optional<Game> FindGameByCommandArgument(std::u16string_view argument) {
  for (const Game& game : GameCatalogue) {
    if (game.commandArgument == argument) return game;
  }
  return std::nullopt;
}

std::optional<Game> FindGameByNumber(int16_t number) {
  for (const Game& game : GameCatalogue) {
    if (game.number == number) return game;
  }
  return std::nullopt;
}

}  // namespace zingbox
