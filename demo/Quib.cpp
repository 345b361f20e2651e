// Quib: bubbles rise past swaying weed; the player swims the quib, a round fish. No
// backdrop: the stage colour is the water, so the launcher's background colour shows.
#include "demo/GameMovie.h"
#include "demo/Motion.h"
#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {

ZINGBOX_SWF_RECIPE(quib) {
  demo::GameMovie game({.title = "Quib", .stage = Color::rgb(0xddeeff), .ink = Color::rgb(0x1d3f6e),
                        .heroName = "quib"});
  Movie& movie = game.movie();
  const CharacterId bubble = movie.defineShape(Shape().ellipse({0, 0}, 9, 9, Color::rgb(0x8fc4ff)));
  const CharacterId weedLeft = movie.defineShape(
      Shape().polygon({{-8, 0}, {-14, -60}, {0, -110}, {6, -60}, {8, 0}}, Color::rgb(0x3f9e6a)));
  const CharacterId weedRight = movie.defineShape(
      Shape().polygon({{-8, 0}, {-6, -60}, {0, -110}, {14, -60}, {8, 0}}, Color::rgb(0x3f9e6a)));
  Timeline sway;
  sway.place(1, weedLeft).showFrame().showFrame().showFrame().showFrame()
      .replace(1, weedRight).showFrame().showFrame().showFrame().showFrame();
  const CharacterId weed = movie.defineSprite(sway);
  const CharacterId fish = movie.defineShape(Shape()
                                                 .ellipse({0, 0}, 24, 18, Color::rgb(0xff7a3d))
                                                 .polygon({{-20, 0}, {-38, -14}, {-38, 14}}, Color::rgb(0xff7a3d))
                                                 .ellipse({10, -5}, 4, 4, Color::rgb(0x10203a)));

  for (const double x : {90.0, 250.0, 430.0, 560.0}) game.scenery(weed, {x, 430});
  game.scenery(movie.defineSprite(demo::drift(bubble, {160, 440}, {170, 60}, 48)))
      .scenery(movie.defineSprite(demo::drift(bubble, {350, 440}, {340, 60}, 36)))
      .scenery(movie.defineSprite(demo::drift(bubble, {500, 440}, {515, 60}, 60)))
      .hero(fish, {320, 240});
  return game.finish();
}

}  // namespace zingbox::swf
