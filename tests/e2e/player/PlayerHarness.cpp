#include "tests/e2e/player/PlayerHarness.h"

#include <signal.h>

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <cstdlib>

#include "platform/qt/Twips.h"

namespace zingbox::test {

PlayerHarness::PlayerHarness() : player_(new RufflePlayer(&window_)) {
  window_.resize(480, 360);
  player_->SetLeft(PixelsToTwips(20));
  player_->SetTop(PixelsToTwips(20));
  player_->SetWidth(PixelsToTwips(static_cast<int>(SmallStage.width)));
  player_->SetHeight(PixelsToTwips(static_cast<int>(SmallStage.height)));
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

bool PlayerHarness::LoadAndWaitFor(const QString& file, const QString& command, const QString& args) {
  ForgetCommands();
  Load(file);
  return WaitForCommand(command, args);
}

bool PlayerHarness::TakeKeyboard() {
  window_.activateWindow();
  if (!QTest::qWaitForWindowActive(&window_)) return false;
  player_->setFocus();
  return true;
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

bool PlayerHarness::DrawnFrames(int frames) { return WaitForDrawnFrames(*player_->page(), frames); }

qint64 PlayerHarness::KillRenderer() {
  const qint64 pid = player_->page()->renderProcessPid();
  return pid > 0 && ::kill(static_cast<pid_t>(pid), SIGKILL) == 0 ? pid : 0;
}

// The canvas renderer may round a channel by a step or two.
bool SameColour(QColor actual, QColor expected, int tolerance) {
  return std::abs(actual.red() - expected.red()) <= tolerance &&
         std::abs(actual.green() - expected.green()) <= tolerance &&
         std::abs(actual.blue() - expected.blue()) <= tolerance;
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
