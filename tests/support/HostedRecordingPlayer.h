#pragma once

#include <QWidget>

#include "RecordingPlayer.h"
#include "platform/qt/HostedPlayer.h"
#include "platform/qt/Twips.h"

namespace zingbox::test {

// The recording player with a plain focusable widget in the player's place, for the
// window's tests. Like the real player, a load leaves the keyboard focus where it was.
class HostedRecordingPlayer final : public RecordingPlayerOn<HostedPlayer> {
 public:
  explicit HostedRecordingPlayer(OperationLog& log) : RecordingPlayerOn(log) {
    widget_.setFocusPolicy(Qt::StrongFocus);
  }

  QWidget* Widget() override { return &widget_; }

  // Whether the window was showing already when the first movie was asked for.
  bool windowShownAtFirstMovie = false;

 private:
  void Placed() override { widget_.setGeometry(TwipsToPixels(TwipsRect{Left(), Top(), Width(), Height()})); }
  void MovieTaken() override {
    if (!movieTaken_) windowShownAtFirstMovie = widget_.window()->isVisible();
    movieTaken_ = true;
  }

  QWidget widget_;
  bool movieTaken_ = false;
};

}  // namespace zingbox::test
