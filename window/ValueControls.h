#pragma once

#include <string>

#include "platform/Label.h"
#include "platform/MoviePlayer.h"
#include "platform/Timer.h"
#include "platform/WindowMetrics.h"
#include "window/Form1Description.h"

namespace zingbox {

// Form1's controls with no toolkit behind them: each keeps exactly what it is given and,
// like the real ones, refuses a negative size. They lay the window out where nothing is
// drawn, and the tests' recording doubles are built on them.
class ValueControl : public Label {
 public:
  explicit ValueControl(const ControlDescription& design)
      : left_(design.left), top_(design.top), width_(design.width), height_(design.height),
        visible_(design.visible), caption_(design.caption) {}

  float Left() const override { return left_; }
  float Top() const override { return top_; }
  float Width() const override { return width_; }
  float Height() const override { return height_; }
  bool Visible() const override { return visible_; }
  void SetLeft(float twips) override { left_ = twips; }
  void SetTop(float twips) override { top_ = twips; }
  void SetWidth(float twips) override { RefuseNegativeSize(twips); width_ = twips; }
  void SetHeight(float twips) override { RefuseNegativeSize(twips); height_ = twips; }
  void SetVisible(bool visible) override { visible_ = visible; }
  void SetCaption(const std::u16string& caption) override { caption_ = caption; }

  const std::u16string& Caption() const { return caption_; }

 private:
  float left_, top_, width_, height_;
  bool visible_;
  std::u16string caption_;
};

// Keeps the container's place and size, from the design place on; plays nothing.
class ValuePlayer : public MoviePlayer {
 public:
  void SetMovie(const std::u16string&) override {}
  void SetBGColor(const std::u16string&) override {}
  void Play() override {}
  void StopPlay() override {}
  void SetLeft(float twips) override { left_ = twips; }
  void SetTop(float twips) override { top_ = twips; }
  void SetWidth(float twips) override { RefuseNegativeSize(twips); width_ = twips; }
  void SetHeight(float twips) override { RefuseNegativeSize(twips); height_ = twips; }
  void OnFSCommand(FSCommandHandler) override {}

  float Left() const { return left_; }
  float Top() const { return top_; }
  float Width() const { return width_; }
  float Height() const { return height_; }

 private:
  float left_ = DescriptionOf("flash").left;
  float top_ = DescriptionOf("flash").top;
  float width_ = DescriptionOf("flash").width;
  float height_ = DescriptionOf("flash").height;
};

// A window of whatever outer size and state it is given; it opens at the design's
// client size plus the classic frame.
class ValueWindow : public WindowMetrics {
 public:
  float Width() const override { return width; }
  float Height() const override { return height; }
  WindowState State() const override { return state; }

  float width = Form1ClientWidth * 15.0f + ClassicFrameWidth;  // 15 twips to a pixel
  float height = Form1ClientHeight * 15.0f + ClassicFrameHeight;
  WindowState state = WindowState::Normal;
};

class ValueTimer : public Timer {
 public:
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool Enabled() const { return enabled_; }

 private:
  bool enabled_ = false;
};

}  // namespace zingbox
