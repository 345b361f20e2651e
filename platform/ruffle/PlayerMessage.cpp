#include "platform/ruffle/PlayerMessage.h"

#include <QEvent>

namespace zingbox {

PlayerMessage::PlayerMessage(QWidget* area) : QLabel(area) {
  setObjectName(QStringLiteral("playerMessage"));
  setAlignment(Qt::AlignCenter);
  setWordWrap(true);
  setTextFormat(Qt::RichText);
  setAutoFillBackground(true);
  setStyleSheet(QStringLiteral("background: #000; color: #fff; font: 16px sans-serif; padding: 0 24px;"));
  hide();
  area->installEventFilter(this);
}

void PlayerMessage::Show(const QString& title, const QString& file, const QString& reason) {
  setText(QStringLiteral("<p><b>%1</b></p><p style=\"font-family: monospace\">%2</p><p>%3</p>")
              .arg(title.toHtmlEscaped(), file.toHtmlEscaped(), reason.toHtmlEscaped()));
  setGeometry(parentWidget()->rect());
  show();
  raise();
}

bool PlayerMessage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
  return false;
}

}  // namespace zingbox
