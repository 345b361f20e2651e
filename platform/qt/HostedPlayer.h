#pragma once

#include <QWidget>

#include "platform/MoviePlayer.h"

namespace zingbox {

// A movie player that lives in a Qt widget, so Form1 can host it as its child window
// without knowing which engine draws the movie.
class HostedPlayer : public MoviePlayer {
 public:
  virtual QWidget* Widget() = 0;
};

}  // namespace zingbox
