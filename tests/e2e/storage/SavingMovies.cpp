// The menu of a pack whose only movie is a game that keeps a count of its runs in a local
// shared object, as games keep high scores. Each run reads the count and says what it
// found ("found", with "" for nothing), adds one, flushes it and says what it saved
// ("saved"). The stage shows red when it found nothing and green over earlier runs.
#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {
namespace {

constexpr double Side = 320;
constexpr Rect Plate = {40, 40, 240, 240};

// Leaves saved.data on the stack.
Actions SavedData() { return Actions().getVariable("saved").push("data").getMember(); }

Actions CountThisRun() {
  Actions run;
  const Label nothingFound = run.newLabel();
  const Label shown = run.newLabel();
  run.setVariable("saved", Actions().push("progress").callMethod("SharedObject", "getLocal", 1))
      .setVariable("runs", SavedData().push("runs").getMember())
      .fscommand("found", Actions().getVariable("runs"))
      // In a version 6 movie an undefined count adds up as 0.
      .append(SavedData().push("runs").getVariable("runs").push(1.0).add().setMember())
      .callMethod("saved", "flush", 0)
      .pop()
      .fscommand("saved", SavedData().push("runs").getMember())
      .getVariable("runs")
      .push(0.0)
      .greater()
      .logicalNot()
      .jumpIfTrue(nothingFound)
      .gotoAndStop("found")
      .jump(shown)
      .mark(nothingFound)
      .gotoAndStop("nothing")
      .mark(shown);
  return run;
}

}  // namespace

ZINGBOX_SWF_RECIPE(zingbox) {
  Movie movie({.width = Side, .height = Side, .frameRate = 30, .background = Color::rgb(0x202020)});
  const CharacterId red = movie.defineShape(Shape().rectangle(Plate, Color::rgb(0xcc2222)));
  const CharacterId green = movie.defineShape(Shape().rectangle(Plate, Color::rgb(0x22aa44)));
  const CharacterId count = movie.defineText(
      {.content = "", .area = {40, 140, 240, 40}, .size = 28, .align = Align::Center, .variable = "runs"});
  movie.timeline()
      .actions(CountThisRun())
      .showFrame()
      .label("nothing")
      .place(1, red)
      .actions(Actions().stop())
      .showFrame()
      .label("found")
      .replace(1, green)
      .place(2, count)
      .actions(Actions().stop())
      .showFrame();
  return movie;
}

}  // namespace zingbox::swf
