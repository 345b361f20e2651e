#pragma once

#include <map>
#include <string_view>

#include "window/Form1Controls.h"
#include "window/ValueControls.h"

namespace zingbox {

// Form1 at its design values in value controls: the window's layout with nothing drawn.
class ValueForm final : public NamedControls {
 public:
  ValueForm();
  ValueForm(const ValueForm&) = delete;
  ValueForm& operator=(const ValueForm&) = delete;

  ValueWindow form;
  ValueTimer Timer1;
  ValuePlayer flash;

  Form1Controls& Controls() { return controls_; }
  // Every picture and label, by control name.
  const std::map<std::string_view, ValueControl>& Pieces() const { return pieces_; }

  Control& Picture(std::string_view name) override { return pieces_.at(name); }
  Label& Caption(std::string_view name) override { return pieces_.at(name); }

 private:
  std::map<std::string_view, ValueControl> pieces_;
  Form1Controls controls_;
};

}  // namespace zingbox
