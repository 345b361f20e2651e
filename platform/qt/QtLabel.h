#pragma once

#include <QLabel>

#include "platform/Label.h"
#include "platform/qt/TwipsControl.h"

namespace zingbox {

// A caption: only its text is drawn, in a palette colour, so it follows the desktop's
// colour scheme. It keeps its box whatever the text.
class QtLabel : public TwipsControl<Label, QLabel> {
  Q_OBJECT

 public:
  QtLabel(QWidget* parent, const QString& name, TwipsRect design, const QString& caption, Qt::Alignment alignment,
          QPalette::ColorRole textColour, const QFont& font);

  void SetCaption(const std::u16string& caption) override;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void HoldColourWhenInactive();
};

}  // namespace zingbox
