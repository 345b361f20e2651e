// Vexo Vexorians: deep space with twinkling stars and a wave of vexorian pods that sways
// from side to side; the player pilots the arrowhead.
#include "demo/GameMovie.h"
#include "demo/Motion.h"
#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {

ZINGBOX_SWF_RECIPE(vexorian) {
  demo::GameMovie game({.title = "Vexo Vexorians", .stage = Color::rgb(0x05060f), .ink = Color::rgb(0x7dff9a),
                        .heroName = "arrowhead"});
  Movie& movie = game.movie();
  const CharacterId star = movie.defineShape(Shape().rectangle({-2, -2, 4, 4}, Color::rgb(0xffffff)));
  Timeline twinkle;
  twinkle.place(1, star).showFrame().showFrame().showFrame().remove(1).showFrame().showFrame();
  const CharacterId twinklingStar = movie.defineSprite(twinkle);

  const CharacterId pod = movie.defineShape(Shape()
                                                .ellipse({0, 0}, 22, 12, Color::rgb(0xd04ee0))
                                                .ellipse({0, -8}, 9, 7, Color::rgb(0x7dff9a)));
  Timeline wave;
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 6; ++column) {
      wave.place(static_cast<Depth>(1 + row * 6 + column), pod, {.at = {column * 70.0, row * 50.0}});
    }
  }
  const CharacterId podWave = movie.defineSprite(wave);
  const CharacterId arrowhead = movie.defineShape(
      Shape().polygon({{0, -22}, {18, 16}, {0, 8}, {-18, 16}}, Color::rgb(0x4fd2ff)));

  for (const Point at : {Point{60, 90}, Point{580, 70}, Point{300, 300}, Point{120, 380}, Point{520, 340}}) {
    game.scenery(twinklingStar, at);
  }
  game.scenery(movie.defineSprite(demo::shuttle(podWave, {60, 100}, {200, 130}, 40)))
      .hero(arrowhead, {320, 390});
  return game.finish();
}

}  // namespace zingbox::swf
