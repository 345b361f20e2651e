#include "MenuCommands.h"

#include "GameCatalogue.h"
#include "LoadMovie.h"

namespace zingbox {

void flash_FSCommand(ShellState& state, MoviePlayer& flash, const ProgramFolder& folder,
                     const std::u16string& command, const std::u16string& args) {
  if (command != u"game") return;
  const std::optional<Game> game = FindGameByCommandArgument(args);
  if (!game) return;
  if (!game->backgroundColour.empty()) flash.SetBGColor(std::u16string(game->backgroundColour));
  LoadMovie(flash, folder, game->movieFile);
  // Last, so a refused load leaves the previous game's number in place.
  state.CurrentGame = game->number;
}

}  // namespace zingbox
