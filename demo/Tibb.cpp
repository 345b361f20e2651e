// Tibb: a bright sky with drifting clouds and hopping berries; the player flies the tibb,
// a small red bird.
#include "demo/GameMovie.h"
#include "demo/Motion.h"
#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {

ZINGBOX_SWF_RECIPE(tibb) {
  demo::GameMovie game({.title = "Tibb", .stage = Color::rgb(0x6fb8f0), .ink = Color::rgb(0x123a5c),
                        .heroName = "tibb"});
  Movie& movie = game.movie();
  const Color cloudWhite = Color::rgb(0xffffff);
  const CharacterId cloud = movie.defineShape(Shape()
                                                  .ellipse({0, 0}, 50, 22, cloudWhite)
                                                  .ellipse({-30, 12}, 26, 14, cloudWhite)
                                                  .ellipse({34, 10}, 28, 14, cloudWhite));
  const CharacterId ground = movie.defineShape(Shape().rectangle({0, 420, 640, 60}, Color::rgb(0x7cc456)));
  const CharacterId berry = movie.defineShape(Shape().ellipse({0, 0}, 10, 10, Color::rgb(0x8b2fc9)));
  const CharacterId bird = movie.defineShape(Shape()
                                                 .ellipse({0, 0}, 18, 14, Color::rgb(0xe03a2f))
                                                 .polygon({{16, -4}, {30, 0}, {16, 4}}, Color::rgb(0xffb000)));

  game.scenery(ground)
      .scenery(movie.defineSprite(demo::drift(cloud, {-80, 110}, {720, 110}, 120)))
      .scenery(movie.defineSprite(demo::drift(cloud, {720, 200}, {-80, 200}, 90)))
      .scenery(movie.defineSprite(demo::shuttle(berry, {150, 410}, {150, 330}, 10)))
      .scenery(movie.defineSprite(demo::shuttle(berry, {480, 410}, {480, 350}, 14)))
      .hero(bird, {320, 280});
  return game.finish();
}

}  // namespace zingbox::swf
