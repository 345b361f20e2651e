#pragma once

#include <QLabel>

#include "platform/ruffle/PlayerWatch.h"

namespace zingbox {

// What the player shows in place of a movie, over the whole player area. It needs nothing
// of the page, which may be dead, broken or never loaded.
class PlayerMessage : public QLabel {
  Q_OBJECT

 public:
  explicit PlayerMessage(QWidget* area);

  // Hidden while the notice is empty.
  void Show(const PlayerNotice& notice);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Over the whole area, the text kept off its sides.
  void FitArea();
};

}  // namespace zingbox
