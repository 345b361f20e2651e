#pragma once

#include <array>
#include <string_view>

#include "FakeControls.h"
#include "RecordingPlayer.h"
#include "window/Form1Controls.h"

namespace zingbox::test {

// Form1's 25 controls as fakes at their design values, logging into one shared log.
struct FakeForm final : NamedControls {
  OperationLog log;
  ValueWindow form;
  FakeTimer Timer1{log};
  RecordingPlayer flash{log};
  FakeLabel Label4{log, "Label4"};
  FakeControl Image7{log, "Image7"};
  FakeLabel Label3{log, "Label3"};
  FakeLabel Label2{log, "Label2"};
  FakeLabel Label1{log, "Label1"};
  FakeControl Image6{log, "Image6"};
  FakeControl Image5{log, "Image5"};
  FakeControl Image4{log, "Image4"};
  FakeControl Image3{log, "Image3"};
  FakeControl Image2{log, "Image2"};
  FakeControl Image1{log, "Image1"};
  FakeControl rightt{log, "rightt"};
  FakeControl bott{log, "bott"};
  FakeControl leftt{log, "leftt"};
  FakeControl top_left{log, "top_left"};
  FakeControl top_right{log, "top_right"};
  FakeControl topp{log, "topp"};
  FakeControl top_rf{log, "top_rf"};
  FakeControl top_lf{log, "top_lf"};
  FakeControl bot_rf{log, "bot_rf"};
  FakeControl bot_lf{log, "bot_lf"};
  FakeControl rightf{log, "rightf"};
  FakeControl leftf{log, "leftf"};

  Form1Controls controls = BindForm1Controls(form, Timer1, flash, *this);

  FakeForm() = default;
  FakeForm(const FakeForm&) = delete;
  FakeForm& operator=(const FakeForm&) = delete;

  // Every picture and label.
  std::array<const FakeLabel*, 23> Pieces() const;

  Control& Picture(std::string_view name) override { return Named(name); }
  Label& Caption(std::string_view name) override { return Named(name); }

 private:
  // Found by the name the fake was made with, so a fake under a wrong name cannot be bound.
  FakeLabel& Named(std::string_view name);
};

}  // namespace zingbox::test
