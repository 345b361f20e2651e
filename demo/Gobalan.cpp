// Gobalan: a meadow where orange gobs roll to and fro; the player steers a blue gob.
#include "demo/GameMovie.h"
#include "demo/Motion.h"
#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {

ZINGBOX_SWF_RECIPE(gobolon) {
  demo::GameMovie game({.title = "Gobalan", .stage = Color::rgb(0x2e6b2e), .ink = Color::rgb(0xfff6d0),
                        .heroName = "blue gob"});
  Movie& movie = game.movie();
  const CharacterId meadow = movie.defineShape(Shape()
                                                   .rectangle({0, 300, 640, 180}, Color::rgb(0x3f8f3a))
                                                   .ellipse({520, 110}, 50, 50, Color::rgb(0xffd84a)));
  const CharacterId gob = movie.defineShape(Shape().ellipse({0, 0}, 22, 22, Color::rgb(0xff8a1f)));
  const CharacterId eye = movie.defineShape(Shape().ellipse({6, -6}, 5, 5, Color::rgb(0x1a1a1a)));
  const CharacterId rollingGob = movie.defineSprite(Timeline().place(1, gob).place(2, eye));
  const CharacterId blueGob = movie.defineShape(Shape().ellipse({0, 0}, 26, 26, Color::rgb(0x3a7bff)));

  game.scenery(meadow)
      .scenery(movie.defineSprite(demo::shuttle(rollingGob, {40, 340}, {600, 340}, 36)))
      .scenery(movie.defineSprite(demo::shuttle(rollingGob, {600, 400}, {40, 400}, 28)))
      .scenery(movie.defineSprite(demo::orbit(rollingGob, {200, 170}, 70, 48)))
      .hero(blueGob, {320, 240});
  return game.finish();
}

}  // namespace zingbox::swf
