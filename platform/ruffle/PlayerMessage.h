#pragma once

#include <QLabel>

namespace zingbox {

// What went wrong with the player itself, shown over the whole player area in the look
// of the page's own messages. It needs nothing of the page, which may be dead or broken.
class PlayerMessage : public QLabel {
  Q_OBJECT

 public:
  explicit PlayerMessage(QWidget* area);

  void Show(const QString& title, const QString& file, const QString& reason);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zingbox
