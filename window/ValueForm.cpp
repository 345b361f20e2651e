#include "window/ValueForm.h"

namespace zingbox {

namespace {

std::map<std::string_view, ValueControl> PiecesAtDesignValues() {
  std::map<std::string_view, ValueControl> pieces;
  for (const ControlDescription& control : Form1Description) {
    if (control.kind == ControlKind::Picture || control.kind == ControlKind::Label)
      pieces.try_emplace(control.name, control);
  }
  return pieces;
}

}  // namespace

ValueForm::ValueForm()
    : pieces_(PiecesAtDesignValues()), controls_(BindForm1Controls(form, Timer1, flash, *this)) {}

}  // namespace zingbox
