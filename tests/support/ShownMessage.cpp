#include "tests/support/ShownMessage.h"

#include <QLabel>
#include <QTextBlock>
#include <QTextDocument>

#include "platform/ruffle/RufflePlayer.h"

namespace zingbox::test {

QString ShownMessage::Text() const {
  return title.isEmpty() && file.isEmpty() && reason.isEmpty() ? QString() : title + '\n' + file + '\n' + reason;
}

ShownMessage MessageShownBy(RufflePlayer& player) {
  const auto* label = player.findChild<QLabel*>(QStringLiteral("playerMessage"));
  if (label == nullptr || !label->isVisible()) return {};
  QTextDocument shown;
  shown.setHtml(label->text());
  // Without the breaks the label allows in a path.
  return {shown.findBlockByNumber(0).text(), shown.findBlockByNumber(1).text().remove(QChar(0x200B)),
          shown.findBlockByNumber(2).text()};
}

}  // namespace zingbox::test
