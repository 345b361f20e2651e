// The movies the whole-process benchmarks time. Each says ("probe", its file name) in its
// first frame, so a script reads the moment it first plays from the movie itself, and
// paints a square of its own colour over the middle of the stage, so a screen watcher
// sees the moment that frame reaches the screen (bench/sessions.py knows the colours).
// They carry the launcher's file names, so the real program loads them as the pack's own.
#include "demo/Motion.h"
#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {
namespace {

constexpr double StageWidth = 640;
constexpr double StageHeight = 480;
constexpr Color Ink = Color::rgb(0xffffff);

CharacterId Ball(Movie& movie, Color colour) {
  return movie.defineShape(Shape().ellipse({0, 0}, 18, 18, colour));
}

// Drawn above everything else, so nothing that moves ever covers its middle.
constexpr Depth MarkDepth = 7;
constexpr double MarkSide = 48;

CharacterId Mark(Movie& movie, Color colour) {
  return movie.defineShape(Shape().rectangle(
      {(StageWidth - MarkSide) / 2, (StageHeight - MarkSide) / 2, MarkSide, MarkSide}, colour));
}

}  // namespace

// The menu: its whole stage is one button that picks Wuzz, so a click in the middle of
// the player always chooses it (a shape above a button takes no clicks); two balls
// circle while it waits. Its mark stays. Three small buttons along its bottom pick the
// tempo games (bench/TempoMovies.cpp).
ZINGBOX_SWF_RECIPE(zingbox) {
  Movie movie({.width = StageWidth, .height = StageHeight, .frameRate = 24, .background = Color::rgb(0x16246b)});
  const CharacterId title = movie.defineText(
      {.content = "Click anywhere to play", .area = {0, 40, StageWidth, 48}, .size = 34, .color = Ink,
       .align = Align::Center});
  const CharacterId plate =
      movie.defineShape(Shape().rectangle({0, 0, StageWidth, StageHeight}, Color::rgb(0x1c2f86)));
  const CharacterId button = movie.defineButton(
      Button().show(AllButtonStates, plate).onRelease(Actions().fscommand("game", "wuzz")));
  const CharacterId ball = Ball(movie, Color::rgb(0xffd24a));
  // Left to right: 12, 30 and 60 frames a second.
  const char* const tempoGames[] = {"krell", "tibb", "quib"};
  for (int i = 0; i < 3; ++i) {
    const CharacterId tempoPlate = movie.defineShape(Shape().rectangle({0, 0, 100, 40}, Color::rgb(0x3a4fb0)));
    movie.timeline().place(static_cast<Depth>(MarkDepth + 1 + i),
                           movie.defineButton(Button().show(AllButtonStates, tempoPlate)
                                                  .onRelease(Actions().fscommand("game", tempoGames[i]))),
                           {.at = {110.0 + 160 * i, 430}});
  }
  movie.timeline()
      .place(1, button)
      .place(2, title)
      .place(3, movie.defineSprite(demo::orbit(ball, {320, 280}, 120, 48)))
      .place(4, movie.defineSprite(demo::orbit(ball, {320, 280}, 60, 24)))
      .place(MarkDepth, Mark(movie, Color::rgb(0xe0218a)))
      .actions(Actions().fscommand("probe", "zingbox").stop())
      .showFrame();
  return movie;
}

// A game at 12 frames a second: a title, a frame counter and four balls in motion. Its
// mark shows for the first three frames only, so a Restart shows it again; the main
// timeline then loops over frames 4 and 5, so the probe speaks once per load.
ZINGBOX_SWF_RECIPE(wuzz) {
  Movie movie({.width = StageWidth, .height = StageHeight, .frameRate = 12, .background = Color::rgb(0x99cc99)});
  const CharacterId title = movie.defineText(
      {.content = "Wuzz", .area = {0, 12, StageWidth, 48}, .size = 34, .color = Color::rgb(0x1f3d1f),
       .align = Align::Center});
  const CharacterId ticks = movie.defineText(
      {.content = "0", .area = {16, 440, 160, 28}, .size = 18, .color = Color::rgb(0x1f3d1f), .variable = "ticks"});
  const CharacterId bee = Ball(movie, Color::rgb(0xffaa00));
  const CharacterId flower = Ball(movie, Color::rgb(0xff6fa8));
  movie.timeline()
      .place(1, title)
      .place(2, ticks)
      .place(3, movie.defineSprite(demo::orbit(bee, {320, 240}, 80, 18)))
      .place(4, movie.defineSprite(demo::orbit(bee, {320, 240}, 160, 36)))
      .place(5, movie.defineSprite(demo::shuttle(flower, {60, 120}, {580, 360}, 24)))
      .place(6, movie.defineSprite(demo::drift(flower, {60, 400}, {580, 100}, 30)))
      .place(MarkDepth, Mark(movie, Color::rgb(0x2090ff)))
      .actions(Actions().setVariable("ticks", Actions().push(0.0)).fscommand("probe", "wuzz"))
      .showFrame()
      .showFrame()
      .showFrame()
      .remove(MarkDepth)
      .actions(Actions().setVariable("ticks", Actions().getVariable("ticks").increment()))
      .showFrame()
      .actions(Actions().gotoAndPlay(4))
      .showFrame();
  return movie;
}

}  // namespace zingbox::swf
