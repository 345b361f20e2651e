// Small movies that each show a group of writer features, for trying them in a player.
#include "tools/swfkit/Recipe.h"
#include "tools/swfkit/Steering.h"

namespace zingbox::swf {
namespace {

constexpr Color white = Color::rgb(0xffffff);

}  // namespace

// A ball steered with the arrow keys, a live frame counter, and a square that slides
// across a looping sprite timeline and disappears on its last frame.
ZINGBOX_SWF_RECIPE(keys_and_counter) {
  Movie movie({.width = 640, .height = 480, .frameRate = 24, .background = Color::rgb(0x203040)});
  const CharacterId ball = movie.defineSprite(Timeline().place(
      1, movie.defineShape(Shape().ellipse({0, 0}, 24, 24, Color::rgb(0xffcc00)))));
  const CharacterId counter = movie.defineText(
      {.content = "0", .area = {20, 20, 300, 40}, .size = 28, .color = white, .variable = "frames"});
  const CharacterId square = movie.defineShape(Shape().rectangle({-20, -20, 40, 40}, Color::rgb(0x44dd66)));

  Timeline slide;
  slide.place(1, square, {.at = {0, 0}}).showFrame();
  for (int step = 1; step < 24; ++step) slide.move(1, {step * 20.0, 0}).showFrame();
  slide.remove(1).showFrame();
  const CharacterId slider = movie.defineSprite(slide);

  movie.timeline()
      .place(1, counter)
      .place(2, slider, {.at = {80, 400}})
      .place(3, ball, {.at = {320, 240}, .name = "ball"})
      .actions(Actions().setVariable("frames", Actions().push(0.0)))
      .showFrame()
      .actions(Actions()
                   .setVariable("frames", Actions().getVariable("frames").increment())
                   .append(steerWithArrowKeys("ball", 6)))
      .showFrame()
      .actions(Actions().gotoAndPlay(2))
      .showFrame();
  return movie;
}

// Buttons with text labels whose release sends fscommands or changes a text, a scaled
// placement, and a polygon.
ZINGBOX_SWF_RECIPE(buttons_and_text) {
  Movie movie({.width = 640, .height = 480, .frameRate = 12, .background = Color::rgb(0x7a1f5c)});
  const CharacterId title = movie.defineText({.content = "Grüße — buttons & text",
                                              .area = {0, 20, 640, 50},
                                              .size = 36,
                                              .color = white,
                                              .align = Align::Center});
  const CharacterId status = movie.defineText(
      {.content = "none yet", .area = {0, 400, 640, 40}, .size = 24, .align = Align::Center, .variable = "status"});
  const CharacterId plate = movie.defineShape(Shape().rectangle({0, 0, 200, 50}, Color::rgb(0x3355aa)));
  const CharacterId litPlate = movie.defineShape(Shape().rectangle({0, 0, 200, 50}, Color::rgb(0x5577dd)));
  const CharacterId star = movie.defineShape(Shape().polygon(
      {{0, -30}, {9, -9}, {30, -9}, {13, 5}, {19, 28}, {0, 14}, {-19, 28}, {-13, 5}, {-30, -9}, {-9, -9}},
      Color::rgb(0xffee55)));

  const auto button = [&](const char* caption, const Actions& release) {
    const CharacterId label = movie.defineText(
        {.content = caption, .area = {0, 10, 200, 40}, .size = 22, .align = Align::Center});
    return movie.defineButton(Button()
                                  .show(ButtonState::Up | ButtonState::HitTest, plate)
                                  .show(ButtonState::Over | ButtonState::Down, litPlate)
                                  .show(AllButtonStates, label)
                                  .onRelease(release));
  };
  const CharacterId wuzz = button("Wuzz", Actions().fscommand("game", "wuzz").setVariable("status", Actions().push("sent game wuzz")));
  const CharacterId other = button("Other", Actions().fscommand("other", "x y").setVariable("status", Actions().push("sent other")));

  movie.timeline()
      .place(1, title)
      .place(2, wuzz, {.at = {100, 200}})
      .place(3, other, {.at = {340, 200}})
      .place(4, status)
      .place(5, star, {.at = {320, 320}, .scale = 1.5})
      .actions(Actions().stop());
  return movie;
}

}  // namespace zingbox::swf
