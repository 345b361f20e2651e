// The menu of every pack in the tests: it loads pack.txt beside it (pack=<name>) and, by
// their full addresses, demo.txt of the program folder (demo=[demo]) and user.txt of the
// user's pack folder (user=[user]); then says on every frame what it has, as
// "files <pack>:<demo><user>". In a version 6 movie what has not arrived adds up as "".
#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {

ZINGBOX_SWF_RECIPE(zingbox) {
  Movie movie({.width = 320, .height = 320, .frameRate = 30, .background = Color::rgb(0x204060)});
  Timeline& frames = movie.timeline();
  frames.actions(Actions()
                     .loadVariables("pack.txt", "_root")
                     .loadVariables(ZINGBOX_DEMO_FILE_URL, "_root")
                     .loadVariables(ZINGBOX_USER_FILE_URL, "_root"))
      .showFrame();
  const int loop = frames.frameCount() + 1;
  frames.actions(Actions().fscommand(
                     "files", Actions().getVariable("pack").push(":").add().getVariable("demo").add().getVariable("user").add()))
      .showFrame();
  frames.actions(Actions().gotoAndPlay(loop)).showFrame();
  return movie;
}

}  // namespace zingbox::swf
