#pragma once

#include "platform/Control.h"
#include "window/Form1Controls.h"

namespace zingbox {

// The first step of a click on Menu, Pause/Resume or Restart: the pressed picture
// takes the normal one's place until Timer1's next tick.
void PressStep(Control& normal, Control& pressed, Timer& Timer1);

// Restores all three buttons, whichever were pressed, and stops the timer.
void Timer1_Timer(Form1Controls& form);

}  // namespace zingbox
