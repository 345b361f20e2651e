#include "QtLabel.h"

namespace zingbox {

QtLabel::QtLabel(QWidget* parent, const QString& name, TwipsRect design, const QString& caption,
                 Qt::Alignment alignment, QPalette::ColorRole textColour, const QFont& font)
    : TwipsControl(parent, name, design, true) {
  setTextFormat(Qt::PlainText);
  setAutoFillBackground(false);
  setAlignment(alignment);
  setForegroundRole(textColour);
  setFont(font);
  setText(caption);
}

void QtLabel::SetCaption(const std::u16string& caption) { setText(QString::fromStdU16String(caption)); }

}  // namespace zingbox
