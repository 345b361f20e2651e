#pragma once

#include <QWidget>

#include "RecordingPlayer.h"
#include "platform/qt/HostedPlayer.h"

namespace zingbox::test {

// The recording player with a plain focusable widget in the player's place, for the
// window's tests. Like the real player, a load leaves the keyboard focus where it was.
class HostedRecordingPlayer final : public RecordingPlayerOn<HostedPlayer> {
 public:
  explicit HostedRecordingPlayer(OperationLog& log);

  QWidget* Widget() override { return &widget_; }

  // Whether the window was showing already when the first movie was asked for.
  bool windowShownAtFirstMovie = false;

 private:
  void Placed() override;
  void MovieTaken() override;

  QWidget widget_;
  bool movieTaken_ = false;
};

}  // namespace zingbox::test
