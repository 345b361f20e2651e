#pragma once

#include <QPixmap>
#include <QWidget>

#include "platform/Control.h"
#include "platform/qt/TwipsControl.h"

namespace zingbox {

// A picture control: its picture unscaled from the top-left corner, or stretched to the
// control's size in each direction on its own. Transparent pixels let what lies
// beneath show through. A missing picture draws nothing; the control keeps its size.
class QtPicture : public TwipsControl<Control, QWidget> {
  Q_OBJECT

 public:
  enum class Fit { Unscaled, Stretched };

  QtPicture(QWidget* parent, const QString& name, const QString& picturePath, TwipsRect design, bool visible,
            Fit fit);

 signals:
  // A press and a release of the left button, both inside this picture.
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  Fit fit_;
  bool pressed_ = false;
};

}  // namespace zingbox
