// Games that show what a player feels: how soon a key shows and how evenly the frames
// come. The launcher loads them under three of the pack's file names, at three frame
// rates (bench/tempo.py knows the names, places and colours):
//   - a square in the middle of the stage takes the next of four colours every frame,
//     so a watcher sees each frame reach the screen and which one it is;
//   - a key mark above it shows while the right arrow key is held, over a plate of its own
//     (the launcher paints each game's background its own colour): the movie looks at the
//     key in every frame, as an arcade game does;
//   - a ball the arrow keys steer and two that circle keep the picture busy.
#include "demo/Motion.h"
#include "tools/swfkit/Recipe.h"
#include "tools/swfkit/Steering.h"

namespace zingbox::swf {
namespace {

constexpr double Side = 48;
constexpr Color FrameColours[] = {Color::rgb(0xff2020), Color::rgb(0x20ff20), Color::rgb(0x2020ff),
                                  Color::rgb(0xffff20)};
constexpr Color KeyColour = Color::rgb(0xff8800);
constexpr Color KeyPlateColour = Color::rgb(0x404040);

CharacterId Square(Movie& movie, Color colour) {
  return movie.defineShape(Shape().rectangle({-Side / 2, -Side / 2, Side, Side}, colour));
}

Movie Tempo(double frameRate) {
  Movie movie({.width = 640, .height = 480, .frameRate = frameRate, .background = Color::rgb(0x202020)});
  Timeline frameSquare;
  frameSquare.place(1, Square(movie, FrameColours[0])).showFrame();
  for (int i = 1; i < 4; ++i) frameSquare.replace(1, Square(movie, FrameColours[i])).showFrame();
  Timeline keyMark;
  keyMark.place(1, Square(movie, KeyColour)).showFrame();
  const CharacterId ball = movie.defineShape(Shape().ellipse({0, 0}, 18, 18, Color::rgb(0x66ccff)));
  const CharacterId ship = movie.defineShape(Shape().ellipse({0, 0}, 18, 18, Color::rgb(0xffffff)));
  Timeline shipLook;
  shipLook.place(1, ship).showFrame();
  // Every frame: the mark shows whether the key is held, and the arrows steer the ship.
  const Actions eachFrame = Actions()
                                .setProperty("_root.keymark", Property::Visible, Actions().keyIsDown(KeyCode::Right))
                                .append(steerWithArrowKeys("_root.ship", 4));
  movie.timeline()
      .place(1, movie.defineSprite(demo::orbit(ball, {320, 240}, 190, 48)))
      .place(2, movie.defineSprite(demo::orbit(ball, {320, 240}, 220, 90)))
      .place(3, movie.defineSprite(shipLook), {.at = {320, 400}, .name = "ship"})
      .place(4, movie.defineSprite(frameSquare), {.at = {320, 240}})
      .place(5, Square(movie, KeyPlateColour), {.at = {320, 120}})
      .place(6, movie.defineSprite(keyMark), {.at = {320, 120}, .name = "keymark"})
      .actions(eachFrame)
      .showFrame()
      .actions(eachFrame)
      .showFrame();
  return movie;
}

}  // namespace

ZINGBOX_SWF_RECIPE(krell) { return Tempo(12); }
ZINGBOX_SWF_RECIPE(tibb) { return Tempo(30); }
ZINGBOX_SWF_RECIPE(quib) { return Tempo(60); }

}  // namespace zingbox::swf
