// The movies the player's end-to-end tests play. Each reports what it does through
// fscommand, so a test can wait on the movie itself rather than on the clock.
#include <string>
#include <utility>

#include "tests/support/Stages.h"
#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {
namespace {

using test::SmallStage;
constexpr Color GameBlue = Color::rgb(0x2040ff);
constexpr int CounterFrames = 900;  // 30 s at 30 fps: no test waits for it to wrap

Movie FrameCounter(const char* command) {
  Movie movie(SmallStage);
  for (int frame = 1; frame <= CounterFrames; ++frame)
    movie.timeline().actions(Actions().fscommand(command, std::to_string(frame))).showFrame();
  return movie;
}

// Runs `first` in its first frame, then `everyFrame` on every frame for ever.
Movie FirstThenEveryFrame(const Actions& first, const Actions& everyFrame) {
  Movie movie(SmallStage);
  movie.timeline().actions(first).showFrame().actions(everyFrame).showFrame();
  movie.timeline().actions(Actions().gotoAndPlay(2)).showFrame();
  return movie;
}

}  // namespace

// Greets with a text that has to survive the trip unchanged, then picks a game the way
// the pack's menu does.
ZINGBOX_SWF_RECIPE(menu) {
  Movie movie(SmallStage);
  movie.timeline()
      .actions(Actions().fscommand("hello", "Grüße, wörld & <ü> \"quoted\" 100%"))
      .showFrame()
      .actions(Actions().fscommand("game", "wuzz").stop())
      .showFrame();
  return movie;
}

// A game: a blue square in the middle of a red stage that the program recolours.
ZINGBOX_SWF_RECIPE(wuzz) {
  Movie movie({.width = 320, .height = 240, .frameRate = 30, .background = Color::rgb(0xcc3333)});
  const CharacterId square = movie.defineShape(Shape().rectangle({110, 70, 100, 100}, GameBlue));
  movie.timeline().place(1, square).actions(Actions().fscommand("started", "wuzz").stop()).showFrame();
  return movie;
}

// Counts its frames aloud: ("frame", "1"), ("frame", "2"), ...
ZINGBOX_SWF_RECIPE(counter) { return FrameCounter("frame"); }

// The same with another command, to tell two movies apart.
ZINGBOX_SWF_RECIPE(second_counter) { return FrameCounter("second"); }

// Its own stage colour with a blue square in the middle, and nothing to say but hello.
ZINGBOX_SWF_RECIPE(plain) {
  Movie movie(SmallStage);
  const CharacterId square = movie.defineShape(Shape().rectangle({110, 70, 100, 100}, GameBlue));
  movie.timeline().place(1, square).actions(Actions().fscommand("started", "plain").stop()).showFrame();
  return movie;
}

// Reports each frame in which the right arrow key is held down.
ZINGBOX_SWF_RECIPE(keys) {
  return FirstThenEveryFrame(Actions().fscommand("started", "keys"),
                             Actions().when(Actions().keyIsDown(KeyCode::Right), Actions().fscommand("key", "right")));
}

// Says which of the keys a pad can press are held down, every other frame: ("held",
// "+Right+Enter"), or ("held", "") when none is.
ZINGBOX_SWF_RECIPE(pad) {
  const std::pair<KeyCode, const char*> keys[] = {
      {KeyCode::Left, "+Left"},   {KeyCode::Right, "+Right"},     {KeyCode::Up, "+Up"},
      {KeyCode::Down, "+Down"},   {KeyCode::Space, "+Space"},     {KeyCode::Enter, "+Enter"},
      {KeyCode::Shift, "+Shift"}, {KeyCode::Control, "+Control"}};
  Actions report = Actions().setVariable("held", Actions().push(""));
  for (const auto& [key, name] : keys)
    report.when(Actions().keyIsDown(key), Actions().setVariable("held", Actions().getVariable("held").push(name).add()));
  report.fscommand("held", Actions().getVariable("held"));
  return FirstThenEveryFrame(Actions().fscommand("started", "pad"), report);
}

// Says it is about to loop, then runs a script that never ends.
ZINGBOX_SWF_RECIPE(endless) {
  Actions forever = Actions().fscommand("looping", "");
  const Label top = forever.newLabel();
  forever.mark(top).jump(top);
  Movie movie(SmallStage);
  movie.timeline().actions(forever).showFrame();
  return movie;
}

}  // namespace zingbox::swf
