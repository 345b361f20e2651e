// Wuzz: bees buzz around a flower in the open air. No backdrop: the stage colour is the
// sky, so the launcher's background colour for this game shows all around.
#include "demo/GameMovie.h"
#include "demo/Motion.h"
#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {

ZINGBOX_SWF_RECIPE(wuzz) {
  demo::GameMovie game({.title = "Wuzz", .stage = Color::rgb(0x99cc99), .ink = Color::rgb(0x1f3d1f),
                        .heroName = "big bee"});
  Movie& movie = game.movie();
  const CharacterId flower = movie.defineShape(Shape()
                                                   .rectangle({316, 260, 8, 140}, Color::rgb(0x2f7d32))
                                                   .ellipse({320, 210}, 34, 34, Color::rgb(0xff6fa8))
                                                   .ellipse({320, 210}, 14, 14, Color::rgb(0xffe14d)));
  const CharacterId bee = movie.defineShape(Shape()
                                                .ellipse({0, 0}, 12, 8, Color::rgb(0xffcc00))
                                                .rectangle({-3, -8, 4, 16}, Color::rgb(0x222222))
                                                .ellipse({-2, -12}, 7, 5, Color::rgb(0xf4fbff)));

  game.scenery(flower)
      .scenery(movie.defineSprite(demo::orbit(bee, {320, 210}, 80, 36)))
      .scenery(movie.defineSprite(demo::orbit(bee, {320, 210}, 130, 60)))
      .scenery(movie.defineSprite(demo::shuttle(bee, {80, 120}, {200, 330}, 30)))
      .hero(movie.defineShape(Shape()
                                  .ellipse({0, 0}, 20, 14, Color::rgb(0xffaa00))
                                  .rectangle({-6, -14, 6, 28}, Color::rgb(0x222222))),
            {520, 300});
  return game.finish();
}

}  // namespace zingbox::swf
