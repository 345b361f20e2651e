#pragma once

#include <QWidget>

#include "platform/qt/HostedPlayer.h"
#include "platform/qt/Twips.h"

namespace zingbox::bench {

// A black widget in the player's place that takes its geometry and ignores the rest,
// so a benchmark times the window and its skin without any engine drawing.
class StillPlayer : public HostedPlayer {
 public:
  StillPlayer();

  QWidget* Widget() override { return &widget_; }
  void SetMovie(const std::u16string&) override {}
  void SetBGColor(const std::u16string&) override {}
  void Play() override {}
  void StopPlay() override {}
  void SetLeft(float twips) override;
  void SetTop(float twips) override;
  void SetWidth(float twips) override;
  void SetHeight(float twips) override;
  void OnFSCommand(FSCommandHandler) override {}

 private:
  void Place() { widget_.setGeometry(TwipsToPixels(place_)); }

  QWidget widget_;
  TwipsRect place_{};
};

}  // namespace zingbox::bench
