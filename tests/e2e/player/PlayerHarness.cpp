#include "tests/e2e/player/PlayerHarness.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <cstdlib>
#include <memory>
#include <optional>

#include "platform/qt/Twips.h"

namespace zingbox::test {

PlayerHarness::PlayerHarness() : player_(new RufflePlayer(&window_)) {
  window_.resize(480, 360);
  player_->SetLeft(PixelsToTwips(20));
  player_->SetTop(PixelsToTwips(20));
  player_->SetWidth(PixelsToTwips(320));
  player_->SetHeight(PixelsToTwips(240));
  player_->OnFSCommand([this](const std::u16string& command, const std::u16string& args) {
    commands_.push_back({QString::fromStdU16String(command), QString::fromStdU16String(args)});
    if (forward_) forward_(command, args);
  });
  window_.show();
  player_->setFocus();
}

QString PlayerHarness::ProgramFolder() { return QCoreApplication::applicationDirPath(); }

std::u16string PlayerHarness::MoviePath(const QString& file) {
  return (ProgramFolder() + QLatin1Char('\\') + file).toStdU16String();
}

bool PlayerHarness::WaitForCommand(const QString& command, const QString& args, int timeoutMs) {
  return QTest::qWaitFor(
      [&] {
        for (const Command& sent : commands_)
          if (sent.command == command && (args.isNull() || sent.args == args)) return true;
        return false;
      },
      timeoutMs);
}

int PlayerHarness::CountOf(const QString& command) const {
  return static_cast<int>(std::count_if(commands_.begin(), commands_.end(),
                                        [&](const Command& sent) { return sent.command == command; }));
}

QString PlayerHarness::LatestArgs(const QString& command) const {
  for (auto sent = commands_.rbegin(); sent != commands_.rend(); ++sent)
    if (sent->command == command) return sent->args;
  return QString();
}

QColor PlayerHarness::PixelAt(QPoint point) { return player_->grab().toImage().pixelColor(point); }

bool PlayerHarness::WaitForPixel(QPoint point, QColor expected, int timeoutMs) {
  return QTest::qWaitFor([&] { return SameColour(PixelAt(point), expected); }, timeoutMs);
}

QString PlayerHarness::EvaluateInPage(const QString& expression) {
  return Evaluate(*player_->page(), expression, QWebEngineScript::MainWorld);
}

bool SameColour(QColor actual, QColor expected) {
  // The canvas renderer may round a channel by a step or two.
  constexpr int tolerance = 3;
  return std::abs(actual.red() - expected.red()) <= tolerance &&
         std::abs(actual.green() - expected.green()) <= tolerance &&
         std::abs(actual.blue() - expected.blue()) <= tolerance;
}

QString Evaluate(QWebEnginePage& page, const QString& expression, quint32 world) {
  // Shared, because the answer may come after this has given up waiting.
  auto answer = std::make_shared<std::optional<QString>>();
  page.runJavaScript(QStringLiteral("String(%1)").arg(expression), world,
                     [answer](const QVariant& value) { *answer = value.toString(); });
  if (!QTest::qWaitFor([&] { return answer->has_value(); }, 10000)) return QStringLiteral("<no answer>");
  return **answer;
}

bool WaitForDrawnFrames(QWebEnginePage& page, int frames, int timeoutMs) {
  constexpr quint32 world = QWebEngineScript::ApplicationWorld;
  page.runJavaScript(QStringLiteral("window.framesToDraw = %1;"
                                    "requestAnimationFrame(function countDown() {"
                                    "  if (--window.framesToDraw > 0) requestAnimationFrame(countDown);"
                                    "});")
                         .arg(frames),
                     world);
  return QTest::qWaitFor([&] { return Evaluate(page, QStringLiteral("window.framesToDraw"), world) == "0"; },
                         timeoutMs);
}

}  // namespace zingbox::test
