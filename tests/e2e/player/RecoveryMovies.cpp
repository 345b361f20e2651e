// A movie for the player's recovery tests.
#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {

// Says it is about to loop, then runs a script that never ends.
ZINGBOX_SWF_RECIPE(endless) {
  Movie movie({.width = 320, .height = 240, .frameRate = 30, .background = Color::rgb(0x203040)});
  Actions forever = Actions().fscommand("looping", "");
  const Label top = forever.newLabel();
  forever.mark(top).jump(top);
  movie.timeline().actions(forever).showFrame();
  return movie;
}

}  // namespace zingbox::swf
