#include "bench/QuietForm.h"

#include "platform/RuntimeError.h"
#include "window/Form1Description.h"

namespace zingbox::bench {

// Refused like the real controls refuse it, so the pass takes the same path.
void QuietControl::SetWidth(float twips) {
  if (twips < 0) throw RuntimeError(error_number::InvalidPropertyValue, "Invalid property value");
  width_ = twips;
}

void QuietControl::SetHeight(float twips) {
  if (twips < 0) throw RuntimeError(error_number::InvalidPropertyValue, "Invalid property value");
  height_ = twips;
}

QuietForm::QuietForm() {
  for (const ControlDescription& control : Form1Description) {
    if (control.kind == ControlKind::Label || control.kind == ControlKind::Picture)
      pieces_.try_emplace(control.name, control.left, control.top, control.width, control.height, control.visible);
  }
  controls_.emplace(Form1Controls{
      form, Timer1_, flash, Find("Label4"), Find("Image7"), Find("Label3"), Find("Label2"), Find("Label1"),
      Find("Image6"), Find("Image5"), Find("Image4"), Find("Image3"), Find("Image2"), Find("Image1"),
      Find("rightt"), Find("bott"), Find("leftt"), Find("top_left"), Find("top_right"), Find("topp"),
      Find("top_rf"), Find("top_lf"), Find("bot_rf"), Find("bot_lf"), Find("rightf"), Find("leftf")});
}

}  // namespace zingbox::bench
