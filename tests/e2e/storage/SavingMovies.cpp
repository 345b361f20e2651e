// The menu of a pack whose only movie is a game that keeps a count of its runs in a local
// shared object, as games keep high scores. Each run reads the count and says what it
// found ("found", with "" for nothing), adds one, flushes it and says what it saved
// ("saved").
#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {
namespace {

// Leaves saved.data on the stack.
Actions SavedData() { return Actions().getVariable("saved").push("data").getMember(); }

}  // namespace

ZINGBOX_SWF_RECIPE(zingbox) {
  Movie movie({.width = 320, .height = 320, .frameRate = 30, .background = Color::rgb(0x202020)});
  movie.timeline()
      .actions(Actions()
                   .setVariable("saved", Actions().push("progress").callMethod("SharedObject", "getLocal", 1))
                   .setVariable("runs", SavedData().push("runs").getMember())
                   .fscommand("found", Actions().getVariable("runs"))
                   // In a version 6 movie an undefined count adds up as 0.
                   .append(SavedData().push("runs").getVariable("runs").push(1.0).add().setMember())
                   .callMethod("saved", "flush", 0)
                   .pop()
                   .fscommand("saved", SavedData().push("runs").getMember())
                   .stop())
      .showFrame();
  return movie;
}

}  // namespace zingbox::swf
