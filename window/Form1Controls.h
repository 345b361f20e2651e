#pragma once

#include <string_view>

#include "platform/Control.h"
#include "platform/Label.h"
#include "platform/MoviePlayer.h"
#include "platform/Timer.h"
#include "platform/WindowMetrics.h"

namespace zingbox {

// Form1's controls as the toolkit-neutral logic sees them, named as in the window
// description. Made only by BindForm1Controls.
struct Form1Controls {
  WindowMetrics& form;
  Timer& Timer1;       // ends the press feedback
  MoviePlayer& flash;  // the movie player
  Label& Label4;       // "Send a Friend"
  Control& Image7;     // Send a Friend gift box
  Label& Label3;       // "Pause" / "Resume"
  Label& Label2;       // "Restart"
  Label& Label1;       // "Menu"
  Control& Image6;     // Restart button, pressed
  Control& Image5;     // Restart button
  Control& Image4;     // Pause/Resume button, pressed
  Control& Image3;     // Pause/Resume button
  Control& Image2;     // Menu button, pressed
  Control& Image1;     // Menu button
  Control& rightt;     // bottom-right corner
  Control& bott;       // bottom centre piece
  Control& leftt;      // bottom-left corner
  Control& top_left;   // top-left corner and upper left side
  Control& top_right;  // top-right corner and upper right side
  Control& topp;       // top centre piece
  Control& top_rf;     // top filler, right of topp
  Control& top_lf;     // top filler, left of topp
  Control& bot_rf;     // bottom filler, right of bott
  Control& bot_lf;     // bottom filler, left of bott
  Control& rightf;     // right side edge
  Control& leftf;      // left side edge
};

// Wherever Form1's pictures and captions are kept, found by their names in the window
// description. Asking for a name that is not there throws.
class NamedControls {
 public:
  virtual Control& Picture(std::string_view name) = 0;
  virtual Label& Caption(std::string_view name) = 0;

 protected:
  ~NamedControls() = default;
};

// Binds every member to the control of its own name, so two of a kind can never trade places.
Form1Controls BindForm1Controls(WindowMetrics& form, Timer& Timer1, MoviePlayer& flash, NamedControls& named);

}  // namespace zingbox
