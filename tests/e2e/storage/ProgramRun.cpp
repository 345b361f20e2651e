#include "ProgramRun.h"

#include <signal.h>

#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTest>

namespace zingbox::test {
namespace {

constexpr int StartTimeoutMs = 60000;
constexpr int EndTimeoutMs = 20000;

QString Xdotool(const QStringList& arguments) {
  QProcess xdotool;
  xdotool.start(QStringLiteral("xdotool"), arguments);
  xdotool.waitForFinished();
  return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

}  // namespace

ProgramRun::ProgramRun(const QString& program, const QString& home, const QStringList& wrapper) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("HOME"), home);
  environment.remove(QStringLiteral("XDG_DATA_HOME"));
  environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("zingbox.player.debug=true"));
  process_.setProcessEnvironment(environment);
  QStringList command = wrapper;
  command.append(program);
  process_.start(command.takeFirst(), command);
}

ProgramRun::~ProgramRun() {
  if (process_.state() == QProcess::NotRunning) return;
  process_.kill();
  process_.waitForFinished();
}

QStringList ProgramRun::Said() {
  static const QRegularExpression line(QStringLiteral("^zingbox\\.player: fscommand \\S+ (.*)$"),
                                       QRegularExpression::MultilineOption);
  QStringList said;
  for (const QRegularExpressionMatch& found : line.globalMatch(StandardError())) said.append(found.captured(1));
  return said;
}

std::optional<QString> ProgramRun::WaitFor(const QString& command) {
  std::optional<QString> arguments;
  [[maybe_unused]] const bool said = QTest::qWaitFor(
      [&] {
        for (const QString& fields : Said()) {
          if (fields.section(QLatin1Char(' '), 0, 0) == command) {
            arguments = fields.section(QLatin1Char(' '), 1);
            return true;
          }
        }
        return false;
      },
      StartTimeoutMs);
  return arguments;
}

QString ProgramRun::WindowId() {
  return Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                  QString::number(process_.processId()), QStringLiteral("--name"),
                  QStringLiteral("^Zingbox! Classic Zingbox Pack$")})
      .section(QLatin1Char('\n'), 0, 0);
}

QRect ProgramRun::WaitForWindow() {
  QString window;
  if (!QTest::qWaitFor([&] { return !(window = WindowId()).isEmpty(); }, StartTimeoutMs)) return {};
  QRect geometry;
  for (const QString& line : Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window}).split('\n')) {
    const QString name = line.section(QLatin1Char('='), 0, 0);
    const int value = line.section(QLatin1Char('='), 1).toInt();
    if (name == QLatin1String("X")) geometry.moveLeft(value);
    if (name == QLatin1String("Y")) geometry.moveTop(value);
    if (name == QLatin1String("WIDTH")) geometry.setWidth(value);
    if (name == QLatin1String("HEIGHT")) geometry.setHeight(value);
  }
  return geometry;
}

bool ProgramRun::SaidAnything() { return !Said().isEmpty(); }

void ProgramRun::CloseWindow(const QString& closeWindowHelper) {
  QProcess::execute(closeWindowHelper, {WindowId()});
}

void ProgramRun::Signal(int signal) { ::kill(static_cast<pid_t>(process_.processId()), signal); }

bool ProgramRun::Ended(int withinMs) {
  return process_.state() == QProcess::NotRunning || process_.waitForFinished(withinMs);
}

bool ProgramRun::EndedCleanly() {
  return Ended(EndTimeoutMs) && process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
}

QString ProgramRun::StandardError() {
  standardError_ += QString::fromLocal8Bit(process_.readAllStandardError());
  return standardError_;
}

}  // namespace zingbox::test
