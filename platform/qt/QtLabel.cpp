#include "QtLabel.h"

#include <QEvent>

namespace zingbox {

QtLabel::QtLabel(QWidget* parent, const QString& name, TwipsRect design, const QString& caption,
                 Qt::Alignment alignment, QPalette::ColorRole textColour, const QFont& font)
    : TwipsControl(parent, name, design, true) {
  setTextFormat(Qt::PlainText);
  setAutoFillBackground(false);
  setAlignment(alignment);
  setForegroundRole(textColour);
  HoldColourWhenInactive();
  setFont(font);
  setText(caption);
}

void QtLabel::SetCaption(const std::u16string& caption) { setText(QString::fromStdU16String(caption)); }

// A new scheme brings new colours for both groups; the inactive one is evened out again.
void QtLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) HoldColourWhenInactive();
}

// A window that has lost the focus draws from the palette's inactive group, which a
// desktop theme may colour otherwise; the caption keeps the scheme's one colour.
void QtLabel::HoldColourWhenInactive() {
  const QColor active = palette().color(QPalette::Active, foregroundRole());
  if (palette().color(QPalette::Inactive, foregroundRole()) == active) return;
  QPalette steady;  // only this one colour is the label's own; the rest still follows the scheme
  steady.setColor(QPalette::Inactive, foregroundRole(), active);
  setPalette(steady);
}

}  // namespace zingbox
