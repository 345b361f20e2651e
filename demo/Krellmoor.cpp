// Krellmoor: a night moor under a big moon, where krells flap in circles; the player
// carries a lantern across it.
#include "demo/GameMovie.h"
#include "demo/Motion.h"
#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {

ZINGBOX_SWF_RECIPE(krell) {
  demo::GameMovie game({.title = "Krellmoor", .stage = Color::rgb(0x1c1233), .ink = Color::rgb(0xd8c8ff),
                        .heroName = "lantern"});
  Movie& movie = game.movie();
  const CharacterId moor = movie.defineShape(Shape()
                                                 .ellipse({470, 140}, 70, 70, Color::rgb(0xeeeacc))
                                                 .polygon({{0, 380}, {160, 330}, {330, 370}, {480, 320},
                                                           {640, 360}, {640, 480}, {0, 480}},
                                                          Color::rgb(0x2b2144)));
  const Color wing = Color::rgb(0x9a4dd6);
  const CharacterId krellUp = movie.defineShape(
      Shape().polygon({{-24, -10}, {0, 4}, {24, -10}, {12, 8}, {0, 2}, {-12, 8}}, wing));
  const CharacterId krellDown = movie.defineShape(
      Shape().polygon({{-24, 10}, {0, -4}, {24, 10}, {12, -2}, {0, 6}, {-12, -2}}, wing));
  Timeline flap;
  flap.place(1, krellUp).showFrame().showFrame().showFrame().replace(1, krellDown).showFrame().showFrame().showFrame();
  const CharacterId krell = movie.defineSprite(flap);
  const CharacterId lantern = movie.defineShape(Shape()
                                                    .ellipse({0, 0}, 30, 30, Color::rgb(0x5a4a1a))
                                                    .rectangle({-10, -14, 20, 28}, Color::rgb(0xffc640)));

  game.scenery(moor)
      .scenery(movie.defineSprite(demo::orbit(krell, {200, 180}, 90, 60)))
      .scenery(movie.defineSprite(demo::orbit(krell, {430, 230}, 60, 40)))
      .scenery(movie.defineSprite(demo::shuttle(krell, {60, 100}, {580, 120}, 48)))
      .hero(lantern, {320, 330});
  return game.finish();
}

}  // namespace zingbox::swf
