#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zingbox {

// The project's description in CMakeLists.txt, where the packaging checks and the
// benchmark also take it from to find the window.
inline constexpr std::u16string_view Form1Caption = u"" ZINGBOX_WINDOW_CAPTION;
// The client area, in pixels; it opens at a fixed place, not centred by the system.
inline constexpr int Form1ClientLeft = 309;
inline constexpr int Form1ClientTop = 264;
inline constexpr int Form1ClientWidth = 754;
inline constexpr int Form1ClientHeight = 621;

inline constexpr int Timer1IntervalMilliseconds = 100;

enum class ControlKind { Timer, MoviePlayer, Label, Picture };

// Which of the desktop's text colours a caption takes.
enum class CaptionColour { None, TitleBarText, SelectedText };

// One control of Form1 as the window is designed: twips from the client area's top-left.
struct ControlDescription {
  std::string_view name;
  ControlKind kind;
  float left = 0, top = 0, width = 0, height = 0;
  bool visible = true;
  bool stretches = false;
  std::u16string_view caption = u"";
  bool centred = false;
  CaptionColour captionColour = CaptionColour::None;
};

// In this order the controls are drawn, earlier above later; the player's own window
// lies above them all.
inline constexpr std::array<ControlDescription, 25> Form1Description{{
    {.name = "Timer1", .kind = ControlKind::Timer},
    {.name = "flash", .kind = ControlKind::MoviePlayer, .left = 720, .top = 960, .width = 9135, .height = 6855},
    {.name = "Label4", .kind = ControlKind::Label, .left = 6120, .top = 8400, .width = 1215, .height = 255,
     .caption = u"Send a Friend", .captionColour = CaptionColour::SelectedText},
    {.name = "Image7", .kind = ControlKind::Picture, .left = 6120, .top = 7920, .width = 645, .height = 705},
    {.name = "Label3", .kind = ControlKind::Label, .left = 2160, .top = 8400, .width = 615, .height = 255,
     .caption = u"Pause", .centred = true, .captionColour = CaptionColour::SelectedText},
    {.name = "Label2", .kind = ControlKind::Label, .left = 1440, .top = 8400, .width = 615, .height = 255,
     .caption = u"Restart", .captionColour = CaptionColour::SelectedText},
    {.name = "Label1", .kind = ControlKind::Label, .left = 720, .top = 8400, .width = 495, .height = 255,
     .caption = u"Menu", .captionColour = CaptionColour::TitleBarText},
    {.name = "Image6", .kind = ControlKind::Picture, .left = 5280, .top = 8040, .width = 540, .height = 510,
     .visible = false},
    {.name = "Image5", .kind = ControlKind::Picture, .left = 5280, .top = 8040, .width = 540, .height = 510},
    {.name = "Image4", .kind = ControlKind::Picture, .left = 4440, .top = 8040, .width = 540, .height = 510,
     .visible = false},
    {.name = "Image3", .kind = ControlKind::Picture, .left = 4440, .top = 8040, .width = 540, .height = 510},
    {.name = "Image2", .kind = ControlKind::Picture, .left = 1440, .top = 7920, .width = 540, .height = 510,
     .visible = false},
    {.name = "Image1", .kind = ControlKind::Picture, .left = 1440, .top = 7920, .width = 540, .height = 510},
    {.name = "rightt", .kind = ControlKind::Picture, .left = 9360, .top = 7560, .width = 1200, .height = 1080},
    {.name = "bott", .kind = ControlKind::Picture, .left = 2280, .top = 7800, .width = 6255, .height = 885,
     .stretches = true},
    {.name = "leftt", .kind = ControlKind::Picture, .left = 0, .top = 7440, .width = 960, .height = 1245},
    {.name = "top_left", .kind = ControlKind::Picture, .left = 0, .top = 0, .width = 750, .height = 5595},
    {.name = "top_right", .kind = ControlKind::Picture, .left = 9600, .top = 0, .width = 915, .height = 5775},
    {.name = "topp", .kind = ControlKind::Picture, .left = 1920, .top = 0, .width = 6675, .height = 810,
     .stretches = true},
    {.name = "top_rf", .kind = ControlKind::Picture, .left = 8160, .top = 0, .width = 1485, .height = 810,
     .stretches = true},
    {.name = "top_lf", .kind = ControlKind::Picture, .left = 720, .top = 0, .width = 1695, .height = 810,
     .stretches = true},
    {.name = "bot_rf", .kind = ControlKind::Picture, .left = 8400, .top = 7800, .width = 1170, .height = 870,
     .stretches = true},
    {.name = "bot_lf", .kind = ControlKind::Picture, .left = 840, .top = 7800, .width = 2055, .height = 900,
     .stretches = true},
    {.name = "rightf", .kind = ControlKind::Picture, .left = 9720, .top = 5760, .width = 795, .height = 1875,
     .stretches = true},
    {.name = "leftf", .kind = ControlKind::Picture, .left = 0, .top = 5520, .width = 660, .height = 2220,
     .stretches = true},
}};

// The control of that name; a name the description lacks is a programming error.
constexpr const ControlDescription& DescriptionOf(std::string_view name) {
  for (const ControlDescription& control : Form1Description)
    if (control.name == name) return control;
  throw std::out_of_range("Form1 has no control named " + std::string(name));
}

}  // namespace zingbox
