#include "PlayerButtons.h"

#include "GameCatalogue.h"
#include "LoadMovie.h"
#include "window/PressFeedback.h"

namespace zingbox {

void Image1_Click(Form1Controls& form, ShellState& state, const ProgramFolder& folder) {
  PressStep(form.Image1, form.Image2, form.Timer1);
  form.flash.Play();
  state.Playing = True;
  form.Label3.SetCaption(u"Pause");
  state.CurrentGame = 0;
  LoadMovie(form.flash, folder, MenuMovie);
  form.flash.SetBGColor(std::u16string(MenuBackgroundColour));
}

void Image3_Click(Form1Controls& form, ShellState& state) {
  PressStep(form.Image3, form.Image4, form.Timer1);
  if (!(state.CurrentGame > 0)) return;
  if (state.Playing == True) {
    form.flash.StopPlay();
    form.Label3.SetCaption(u"Resume");
    state.Playing = False;
  } else {
    form.flash.Play();
    state.Playing = True;
    form.Label3.SetCaption(u"Pause");
  }
}

void Image5_Click(Form1Controls& form, ShellState& state, const ProgramFolder& folder) {
  PressStep(form.Image5, form.Image6, form.Timer1);
  form.flash.Play();
  state.Playing = True;
  form.Label3.SetCaption(u"Pause");
  if (const std::optional<Game> game = FindGameByNumber(state.CurrentGame)) {
    // Through the menu movie, so the player takes the game afresh from its first frame.
    LoadMovie(form.flash, folder, MenuMovie);
    LoadMovie(form.flash, folder, game->movieFile);
  }
}

}  // namespace zingbox
