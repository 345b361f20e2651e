#pragma once

#include "platform/Control.h"
#include "platform/Label.h"
#include "platform/MoviePlayer.h"
#include "platform/Timer.h"
#include "platform/WindowMetrics.h"

namespace zingbox {

// Form1's controls as the toolkit-neutral logic sees them, named as in the window
// description. Form1 binds them to its Qt controls; tests bind them to fakes.
struct Form1Controls {
  WindowMetrics& form;
  Timer& Timer1;
  MoviePlayer& flash;
  Label& Label4;
  Control& Image7;
  Label& Label3;
  Label& Label2;
  Label& Label1;
  Control& Image6;
  Control& Image5;
  Control& Image4;
  Control& Image3;
  Control& Image2;
  Control& Image1;
  Control& rightt;
  Control& bott;
  Control& leftt;
  Control& top_left;
  Control& top_right;
  Control& topp;
  Control& top_rf;
  Control& top_lf;
  Control& bot_rf;
  Control& bot_lf;
  Control& rightf;
  Control& leftf;
};

}  // namespace zingbox
