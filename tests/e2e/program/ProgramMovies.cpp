// The pack as the launcher's end-to-end test sees it: a menu with two big buttons and a
// block that sweeps along its top, and games that show, by their pixels, which frame they
// are at. Each movie shows a yellow key mark while the right arrow key is held.
#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {
namespace {

constexpr double Side = 320;
constexpr Color White = Color::rgb(0xffffff);
constexpr Color Blue = Color::rgb(0x1030e0);
constexpr Color KeyYellow = Color::rgb(0xffdd00);
constexpr int MarkerFrames = 30;   // one second at 30 fps
constexpr int SweepFrames = 60;

// The key mark looks at the key in every frame of its own two-frame loop, so it reports
// for as long as the movie plays, whatever its main timeline does.
void PlaceKeyMark(Movie& movie, Depth depth) {
  const CharacterId square = movie.defineShape(Shape().rectangle({0, 0, 40, 40}, KeyYellow));
  const Actions showWhileHeld =
      Actions().setProperty("_root.keymark", Property::Visible, Actions().keyIsDown(KeyCode::Right));
  Timeline look;
  look.place(1, square).actions(showWhileHeld).showFrame().actions(showWhileHeld).showFrame();
  movie.timeline().place(depth, movie.defineSprite(look), {.at = {200, 60}, .name = "keymark"});
}

// A white marker in the top-left corner for the first second only, then a blue block that
// sweeps along the bottom for ever. The upper right stays bare, so the background shows.
Movie Game(Color stage) {
  Movie movie({.width = Side, .height = Side, .frameRate = 30, .background = stage});
  const CharacterId marker = movie.defineShape(Shape().rectangle({0, 0, 80, 80}, White));
  const CharacterId block = movie.defineShape(Shape().rectangle({0, 0, 40, 40}, Blue));
  PlaceKeyMark(movie, 3);
  Timeline& frames = movie.timeline();
  frames.place(1, marker);
  for (int frame = 1; frame < MarkerFrames; ++frame) frames.showFrame();
  frames.remove(1).place(2, block, {.at = {0, 260}});
  frames.label("sweep");
  for (int frame = 0; frame < SweepFrames; ++frame) frames.move(2, {frame * 4.0, 260}).showFrame();
  frames.actions(Actions().gotoAndPlay("sweep")).showFrame();
  return movie;
}

void PlaceGameButton(Movie& movie, Rect area, Color colour, const char* word, Depth depth) {
  const CharacterId plate = movie.defineShape(Shape().rectangle({0, 0, area.width, area.height}, colour));
  const CharacterId button =
      movie.defineButton(Button().show(AllButtonStates, plate).onRelease(Actions().fscommand("game", word)));
  movie.timeline().place(depth, button, {.at = {area.left, area.top}});
}

}  // namespace

// Orange stage; the left button picks "wuzz", the right one "gobo". The white block sweeps
// along the top as long as the menu plays.
ZINGBOX_SWF_RECIPE(zingbox) {
  Movie movie({.width = Side, .height = Side, .frameRate = 30, .background = Color::rgb(0xff8800)});
  PlaceGameButton(movie, {0, 120, 160, 200}, Color::rgb(0x00aa00), "wuzz", 1);
  PlaceGameButton(movie, {160, 120, 160, 200}, Color::rgb(0xaa00aa), "gobo", 2);
  PlaceKeyMark(movie, 3);
  Timeline sweep;
  sweep.place(1, movie.defineShape(Shape().rectangle({0, 0, 40, 40}, White)));
  for (int frame = 0; frame < SweepFrames; ++frame) sweep.move(1, {frame * 4.0, 0}).showFrame();
  movie.timeline().place(4, movie.defineSprite(sweep), {.at = {0, 10}});
  movie.timeline().actions(Actions().stop()).showFrame();
  return movie;
}

ZINGBOX_SWF_RECIPE(wuzz) { return Game(Color::rgb(0xcc3333)); }
ZINGBOX_SWF_RECIPE(gobolon) { return Game(Color::rgb(0x6a4c93)); }

}  // namespace zingbox::swf
