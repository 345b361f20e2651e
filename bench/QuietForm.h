#pragma once

#include <map>
#include <optional>
#include <string_view>

#include "window/Form1Controls.h"

namespace zingbox::bench {

// A control that only keeps its values: the cost of a property call without any toolkit
// or recording behind it.
class QuietControl : public Label {
 public:
  QuietControl(float left, float top, float width, float height, bool visible)
      : left_(left), top_(top), width_(width), height_(height), visible_(visible) {}

  float Left() const override { return left_; }
  float Top() const override { return top_; }
  float Width() const override { return width_; }
  float Height() const override { return height_; }
  bool Visible() const override { return visible_; }
  void SetLeft(float twips) override { left_ = twips; }
  void SetTop(float twips) override { top_ = twips; }
  void SetWidth(float twips) override;
  void SetHeight(float twips) override;
  void SetVisible(bool visible) override { visible_ = visible; }
  void SetCaption(const std::u16string&) override {}

 private:
  float left_, top_, width_, height_;
  bool visible_;
};

class QuietPlayer : public MoviePlayer {
 public:
  void SetMovie(const std::u16string&) override {}
  void SetBGColor(const std::u16string&) override {}
  void Play() override {}
  void StopPlay() override {}
  void SetLeft(float) override {}
  void SetTop(float) override {}
  void SetWidth(float twips) override { width = twips; }
  void SetHeight(float) override {}
  void OnFSCommand(FSCommandHandler) override {}

  float width = 0;
};

class QuietMetrics : public WindowMetrics {
 public:
  float Width() const override { return width; }
  float Height() const override { return height; }
  WindowState State() const override { return WindowState::Normal; }

  // The opening client area plus the classic frame.
  float width = 11430;
  float height = 9720;
};

class QuietTimer : public Timer {
 public:
  void SetEnabled(bool) override {}
};

// Form1's controls at their design values, as quiet controls.
class QuietForm {
 public:
  QuietForm();

  QuietMetrics form;
  QuietPlayer flash;
  Form1Controls& Controls() { return *controls_; }

 private:
  QuietControl& Find(std::string_view name) { return pieces_.at(name); }

  QuietTimer Timer1_;
  std::map<std::string_view, QuietControl> pieces_;
  std::optional<Form1Controls> controls_;
};

}  // namespace zingbox::bench
