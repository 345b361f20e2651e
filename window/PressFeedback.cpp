#include "PressFeedback.h"

namespace zingbox {

void PressStep(Control& normal, Control& pressed, Timer& Timer1) {
  normal.SetVisible(false);
  pressed.SetVisible(true);
  Timer1.SetEnabled(true);
}

void Timer1_Timer(Form1Controls& form) {
  form.Image1.SetVisible(true);
  form.Image2.SetVisible(false);
  form.Image3.SetVisible(true);
  form.Image4.SetVisible(false);
  form.Image5.SetVisible(true);
  form.Image6.SetVisible(false);
  form.Timer1.SetEnabled(false);
}

}  // namespace zingbox
