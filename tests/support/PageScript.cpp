#include "tests/support/PageScript.h"

#include <QTest>
#include <QWebEnginePage>
#include <memory>
#include <optional>

namespace zingbox::test {

QString Evaluate(QWebEnginePage& page, const QString& expression, quint32 world) {
  // Shared, because the answer may come after this has given up waiting.
  auto answer = std::make_shared<std::optional<QString>>();
  page.runJavaScript(QStringLiteral("String(%1)").arg(expression), world,
                     [answer](const QVariant& value) { *answer = value.toString(); });
  if (!QTest::qWaitFor([&] { return answer->has_value(); }, 10000)) return QStringLiteral("<no answer>");
  return **answer;
}

}  // namespace zingbox::test
