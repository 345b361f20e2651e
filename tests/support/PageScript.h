#pragma once

#include <QString>

class QWebEnginePage;

namespace zingbox::test {

// Evaluates a JavaScript expression in `world` of the page and returns it as text, or
// "<no answer>" after ten seconds.
QString Evaluate(QWebEnginePage& page, const QString& expression, quint32 world);

}  // namespace zingbox::test
