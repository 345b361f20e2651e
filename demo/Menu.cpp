// The menu: the pack's title and one button per game. A click sends ("game", word) to
// the launcher, which loads that game.
#include <array>

#include "tools/swfkit/Recipe.h"

namespace zingbox::swf {
namespace {

struct MenuEntry {
  const char* title;
  const char* commandWord;
};

// Listed as the pack lists them; two columns, row by row.
constexpr std::array<MenuEntry, 6> entries{{{"Krellmoor", "krell"},
                                            {"Gobalan", "gobo"},
                                            {"Tibb", "tibb"},
                                            {"Wuzz", "wuzz"},
                                            {"Vexo Vexorians", "vexo"},
                                            {"Quib", "quib"}}};

constexpr Color deepBlue = Color::rgb(0x16246b);
constexpr Color plateBlue = Color::rgb(0x2f4fb8);
constexpr Color litBlue = Color::rgb(0x4f76ea);
constexpr Color pressedBlue = Color::rgb(0x223c8c);
constexpr Color gold = Color::rgb(0xffd24a);
constexpr Color white = Color::rgb(0xffffff);

constexpr double buttonWidth = 240;
constexpr double buttonHeight = 64;

}  // namespace

ZINGBOX_SWF_RECIPE(zingbox) {
  Movie movie({.width = 640, .height = 480, .frameRate = 24, .background = deepBlue});
  const CharacterId title = movie.defineText({.content = "Zingbox! Classic Zingbox Pack",
                                              .area = {0, 40, 640, 56},
                                              .size = 40,
                                              .color = gold,
                                              .align = Align::Center});
  const CharacterId prompt = movie.defineText({.content = "Pick a game",
                                               .area = {0, 104, 640, 32},
                                               .size = 22,
                                               .color = white,
                                               .align = Align::Center});
  const Rect plateArea{0, 0, buttonWidth, buttonHeight};
  const CharacterId plate = movie.defineShape(Shape().rectangle(plateArea, plateBlue));
  const CharacterId litPlate = movie.defineShape(Shape().rectangle(plateArea, litBlue));
  const CharacterId pressedPlate = movie.defineShape(Shape().rectangle(plateArea, pressedBlue));

  Timeline& menu = movie.timeline();
  menu.place(1, title).place(2, prompt);
  Depth depth = 3;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const CharacterId caption = movie.defineText({.content = entries[i].title,
                                                  .area = {0, 16, buttonWidth, 36},
                                                  .size = 26,
                                                  .color = white,
                                                  .align = Align::Center});
    const CharacterId button =
        movie.defineButton(Button()
                               .show(ButtonState::Up | ButtonState::HitTest, plate)
                               .show(ButtonState::Over, litPlate)
                               .show(ButtonState::Down, pressedPlate)
                               .show(AllButtonStates, caption)
                               .onRelease(Actions().fscommand("game", entries[i].commandWord)));
    const double column = static_cast<double>(i % 2);
    const double row = static_cast<double>(i / 2);
    menu.place(depth++, button, {.at = {60 + column * 280, 170 + row * 96}});
  }
  menu.actions(Actions().stop());
  return movie;
}

}  // namespace zingbox::swf
