#include "platform/ruffle/PlayerMessage.h"

#include <QEvent>

namespace zingbox {

PlayerMessage::PlayerMessage(QWidget* area) : QLabel(area) {
  setObjectName(QStringLiteral("playerMessage"));
  setAlignment(Qt::AlignCenter);
  setWordWrap(true);
  setTextFormat(Qt::RichText);
  setAutoFillBackground(true);
  setStyleSheet(QStringLiteral("background: #000; color: #fff; font: 16px sans-serif;"));
  hide();
  area->installEventFilter(this);
}

void PlayerMessage::Show(const PlayerNotice& notice) {
  if (notice.title.isEmpty()) {
    hide();
    return;
  }
  // A long path may break after any of its separators.
  QString file = notice.file.toHtmlEscaped();
  file.replace(QLatin1Char('/'), QStringLiteral("/&#8203;")).replace(QLatin1Char('\\'), QStringLiteral("\\&#8203;"));
  setText(QStringLiteral("<p><b>%1</b></p><p style=\"margin-top: 32px; font-family: monospace\">%2</p>"
                         "<p style=\"margin-top: 32px\">%3</p>")
              .arg(notice.title.toHtmlEscaped(), file, notice.reason.toHtmlEscaped()));
  FitArea();
  show();
  raise();
}

void PlayerMessage::FitArea() {
  const QRect area = parentWidget()->rect();
  setGeometry(area);
  setContentsMargins(area.width() / 10, 0, area.width() / 10, 0);
}

bool PlayerMessage::eventFilter(QObject* watched, QEvent* event) {
  if (watched != parentWidget()) return false;
  if (event->type() == QEvent::Resize) FitArea();
  // The view makes a widget of its own for each page, over what it holds already.
  if (event->type() == QEvent::ChildAdded) raise();
  return false;
}

}  // namespace zingbox
