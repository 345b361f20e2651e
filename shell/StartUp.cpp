#include "StartUp.h"

#include "GameCatalogue.h"
#include "LoadMovie.h"
#include "window/FrameLayout.h"

namespace zingbox {

void Form1_Load(Form1Controls& form, ShellState& state, const ProgramFolder& folder) {
  state.Playing = True;
  state.CurrentGame = 0;
  StartupPass(form);
  form.flash.SetTop(780.0f);
  form.flash.SetLeft(605.0f);
  LoadMovie(form.flash, folder, MenuMovie);
  form.flash.Play();
}

}  // namespace zingbox
