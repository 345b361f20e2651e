#include "tests/support/ShownMessage.h"

#include <QLabel>
#include <QTextBlock>
#include <QTextDocument>

#include "platform/ruffle/RufflePlayer.h"

namespace zingbox::test {

PlayerNotice MessageShownBy(RufflePlayer& player) {
  const auto* label = player.findChild<QLabel*>(QStringLiteral("playerMessage"));
  if (label == nullptr || !label->isVisible()) return {};
  QTextDocument shown;
  shown.setHtml(label->text());
  // Without the breaks the label allows in a path.
  return {shown.findBlockByNumber(0).text(), shown.findBlockByNumber(1).text().remove(QChar(0x200B)),
          shown.findBlockByNumber(2).text()};
}

QString MessageTextShownBy(RufflePlayer& player) {
  const PlayerNotice shown = MessageShownBy(player);
  return shown.title.isEmpty() ? QString() : shown.title + '\n' + shown.file + '\n' + shown.reason;
}

}  // namespace zingbox::test
