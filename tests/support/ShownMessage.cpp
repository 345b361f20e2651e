#include "tests/support/ShownMessage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QTextBlock>
#include <QTextDocument>
#include <QWebEngineScript>

#include "platform/ruffle/RufflePlayer.h"
#include "tests/support/PageScript.h"

namespace zingbox::test {

QString ShownMessage::Text() const {
  return title.isEmpty() && file.isEmpty() && reason.isEmpty() ? QString() : title + '\n' + file + '\n' + reason;
}

ShownMessage MessageShownBy(RufflePlayer& player) {
  const auto* label = player.findChild<QLabel*>(QStringLiteral("playerMessage"));
  if (label != nullptr && label->isVisible()) {
    QTextDocument shown;
    shown.setHtml(label->text());
    return {shown.findBlockByNumber(0).text(), shown.findBlockByNumber(1).text(), shown.findBlockByNumber(2).text()};
  }
  const QJsonArray parts =
      QJsonDocument::fromJson(Evaluate(*player.page(),
                                       QStringLiteral("document.getElementById('message').hidden ? '[]' : "
                                                      "JSON.stringify(['title', 'file', 'reason'].map("
                                                      "part => document.getElementById('message-' + part).textContent))"),
                                       QWebEngineScript::MainWorld)
                                  .toUtf8())
          .array();
  return {parts.at(0).toString(), parts.at(1).toString(), parts.at(2).toString()};
}

}  // namespace zingbox::test
