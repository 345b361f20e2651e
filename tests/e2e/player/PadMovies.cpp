// The movie of the gamepad tests.
#include <utility>

#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {

// Says which of the keys a pad can press are held down, every other frame: ("held",
// "+Right+Enter"), or ("held", "") when none is.
ZINGBOX_SWF_RECIPE(pad) {
  const std::pair<KeyCode, const char*> keys[] = {
      {KeyCode::Left, "+Left"},   {KeyCode::Right, "+Right"},     {KeyCode::Up, "+Up"},
      {KeyCode::Down, "+Down"},   {KeyCode::Space, "+Space"},     {KeyCode::Enter, "+Enter"},
      {KeyCode::Shift, "+Shift"}, {KeyCode::Control, "+Control"}};
  Actions report = Actions().setVariable("held", Actions().push(""));
  for (const auto& [key, name] : keys)
    report.when(Actions().keyIsDown(key),
                Actions().setVariable("held", Actions().getVariable("held").push(name).add()));
  report.fscommand("held", Actions().getVariable("held"));

  Movie movie({.width = 320, .height = 240, .frameRate = 30, .background = Color::rgb(0x203040)});
  movie.timeline()
      .actions(Actions().fscommand("started", "pad"))
      .showFrame()
      .actions(report)
      .showFrame()
      .actions(Actions().gotoAndPlay(2))
      .showFrame();
  return movie;
}

}  // namespace zingbox::swf
