#include "tools/assetgen/SkinLayout.h"

#include "platform/qt/Twips.h"
#include "shell/StartUp.h"
#include "window/Form1Description.h"
#include "window/FrameLayout.h"

namespace zingbox::assetgen {

namespace {

// The layout passes need controls to move; these only remember where they were put.
class PlacedControl : public Label {
 public:
  explicit PlacedControl(const ControlDescription& design)
      : left_(design.left), top_(design.top), width_(design.width), height_(design.height),
        visible_(design.visible) {}

  float Left() const override { return left_; }
  float Top() const override { return top_; }
  float Width() const override { return width_; }
  float Height() const override { return height_; }
  bool Visible() const override { return visible_; }
  void SetLeft(float twips) override { left_ = twips; }
  void SetTop(float twips) override { top_ = twips; }
  void SetWidth(float twips) override { width_ = twips; }
  void SetHeight(float twips) override { height_ = twips; }
  void SetVisible(bool visible) override { visible_ = visible; }
  void SetCaption(const std::u16string&) override {}

  QRect Pixels() const {
    return {TwipsToPixels(left_), TwipsToPixels(top_), TwipsToPixels(width_), TwipsToPixels(height_)};
  }

 private:
  float left_, top_, width_, height_;
  bool visible_;
};

class PlacedPlayer : public MoviePlayer {
 public:
  void SetMovie(const std::u16string&) override {}
  void SetBGColor(const std::u16string&) override {}
  void Play() override {}
  void StopPlay() override {}
  void SetLeft(float twips) override { left_ = twips; }
  void SetTop(float twips) override { top_ = twips; }
  void SetWidth(float twips) override { width_ = twips; }
  void SetHeight(float twips) override { height_ = twips; }
  void OnFSCommand(FSCommandHandler) override {}

  QRect Pixels() const {
    return {TwipsToPixels(left_), TwipsToPixels(top_), TwipsToPixels(width_), TwipsToPixels(height_)};
  }

 private:
  float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

class FixedWindow : public WindowMetrics {
 public:
  explicit FixedWindow(QSize client)
      // The outer size adds the classic sizable frame, as the Qt window reports it.
      : width_(PixelsToTwips(client.width()) + 120), height_(PixelsToTwips(client.height()) + 405) {}
  float Width() const override { return width_; }
  float Height() const override { return height_; }
  WindowState State() const override { return WindowState::Normal; }

 private:
  float width_, height_;
};

class NoTimer : public Timer {
 public:
  void SetEnabled(bool) override {}
};

class NoFolder : public ProgramFolder {
 public:
  std::u16string MovieFolder() const override { return u""; }
};

}  // namespace

SkinLayout LayOutSkin(QSize clientPixels) {
  std::map<std::string, PlacedControl> controls;
  for (const ControlDescription& design : Form1Description) {
    if (design.kind == ControlKind::Picture || design.kind == ControlKind::Label) {
      controls.emplace(std::string(design.name), PlacedControl(design));
    }
  }
  FixedWindow window(clientPixels);
  NoTimer timer;
  PlacedPlayer player;
  auto at = [&controls](const char* name) -> PlacedControl& { return controls.at(name); };
  Form1Controls form{window,         timer,          player,         at("Label4"),    at("Image7"),
                     at("Label3"),   at("Label2"),   at("Label1"),   at("Image6"),    at("Image5"),
                     at("Image4"),   at("Image3"),   at("Image2"),   at("Image1"),    at("rightt"),
                     at("bott"),     at("leftt"),    at("top_left"), at("top_right"), at("topp"),
                     at("top_rf"),   at("top_lf"),   at("bot_rf"),   at("bot_lf"),    at("rightf"),
                     at("leftf")};
  ShellState state;
  Form1_Load(form, state, NoFolder());
  ResizePass(form);

  SkinLayout layout;
  layout.client = clientPixels;
  layout.player = player.Pixels();
  for (const auto& [name, control] : controls) {
    layout.controls[name] = control.Pixels();
    layout.visible[name] = control.Visible();
  }
  return layout;
}

}  // namespace zingbox::assetgen
