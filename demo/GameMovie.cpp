#include "demo/GameMovie.h"

#include <stdexcept>

#include "tools/swfkit/Steering.h"

namespace zingbox::demo {
namespace {

constexpr double stageWidth = 640;
constexpr double stageHeight = 480;
constexpr double framesPerSecond = 24;
constexpr double heroStep = 6;
constexpr const char* heroInstance = "hero";
constexpr const char* tickVariable = "ticks";

}  // namespace

GameMovie::GameMovie(GameLook look)
    : look_(std::move(look)),
      movie_({.width = stageWidth, .height = stageHeight, .frameRate = framesPerSecond,
              .background = look_.stage}) {}

GameMovie& GameMovie::scenery(swf::CharacterId character, swf::Point at) {
  movie_.timeline().place(nextDepth_++, character, {.at = at});
  return *this;
}

GameMovie& GameMovie::hero(swf::CharacterId look, swf::Point start) {
  // Actions reach sprites only, so the hero's look travels inside one.
  const swf::CharacterId sprite = movie_.defineSprite(swf::Timeline().place(1, look));
  movie_.timeline().place(nextDepth_++, sprite, {.at = start, .name = heroInstance});
  hasHero_ = true;
  return *this;
}

swf::Movie GameMovie::finish() {
  if (!hasHero_) throw std::logic_error(look_.title + " has no hero to steer");
  const swf::CharacterId title = movie_.defineText({.content = look_.title,
                                                    .area = {0, 12, stageWidth, 48},
                                                    .size = 34,
                                                    .color = look_.ink,
                                                    .align = swf::Align::Center});
  const swf::CharacterId ticksCaption = movie_.defineText(
      {.content = "Ticks", .area = {16, 440, 60, 28}, .size = 18, .color = look_.ink});
  const swf::CharacterId ticks = movie_.defineText({.content = "0",
                                                    .area = {76, 440, 120, 28},
                                                    .size = 18,
                                                    .color = look_.ink,
                                                    .variable = tickVariable});
  const swf::CharacterId hint = movie_.defineText({.content = "Arrow keys move the " + look_.heroName,
                                                   .area = {stageWidth - 336, 440, 320, 28},
                                                   .size = 18,
                                                   .color = look_.ink,
                                                   .align = swf::Align::Right});
  scenery(title).scenery(ticksCaption).scenery(ticks).scenery(hint);

  // Frame 1 sets up; frames 2 and 3 loop, so frame 2 runs once every tick.
  movie_.timeline()
      .actions(swf::Actions().setVariable(tickVariable, swf::Actions().push(0.0)))
      .showFrame()
      .actions(swf::Actions()
                   .setVariable(tickVariable, swf::Actions().getVariable(tickVariable).increment())
                   .append(swf::steerWithArrowKeys(heroInstance, heroStep)))
      .showFrame()
      .actions(swf::Actions().gotoAndPlay(2))
      .showFrame();
  return movie_;
}

}  // namespace zingbox::demo
