#pragma once

#include <signal.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>
#include <optional>

#include "tests/support/Display.h"
#include "window/Form1Description.h"

namespace zingbox::test {

// One run of the real program on a home folder of the test's choosing, watched through
// what its movie says (the FSCommands of its zingbox.player log, on standard error) and
// the pack folder it takes (its zingbox.pack log), and ended as a user or the system would.
class ProgramRun {
 public:
  ProgramRun(const QString& program, const QString& home, const QStringList& wrapper = {},
             const QStringList& arguments = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    environment.remove("XDG_DATA_HOME");
    environment.insert("QT_LOGGING_RULES", "zingbox.player.debug=true;zingbox.pack.info=true");
    process_.setProcessEnvironment(environment);
    QStringList command = wrapper;
    command.append(program);
    command.append(arguments);
    process_.start(command.takeFirst(), command);
  }
  ~ProgramRun() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished();
  }

  // The arguments of the movie's first command named `command`, once it has said it;
  // nothing if it never does.
  std::optional<QString> WaitFor(const QString& command) {
    return QTest::qWaitFor([&] { return !ArgumentsOf(command).isEmpty(); }, StartTimeoutMs)
               ? std::optional(ArgumentsOf(command).first())
               : std::nullopt;
  }
  // The arguments of every `command` the movie has said so far, in order.
  QStringList ArgumentsOf(const QString& command) {
    QStringList arguments;
    for (const QString& fields : Said())
      if (fields.section(' ', 0, 0) == command) arguments.append(fields.section(' ', 1));
    return arguments;
  }

  // The outer geometry of the program's window once it is shown; empty if it never is.
  QRect WaitForWindow() {
    QString window;
    if (!QTest::qWaitFor([&] { return !(window = WindowId()).isEmpty(); }, StartTimeoutMs)) return {};
    return GeometryOf(window);
  }

  // Whether the movie has said anything at all: a copy that hands over plays nothing.
  bool SaidAnything() { return !Said().isEmpty(); }
  void CloseWindow(const QString& closeWindowHelper) { QProcess::execute(closeWindowHelper, {WindowId()}); }
  void Signal(int signal) { ::kill(static_cast<pid_t>(process_.processId()), signal); }
  bool Ended(int withinMs) { return process_.state() == QProcess::NotRunning || process_.waitForFinished(withinMs); }
  // True once the program has ended with status 0 after a normal exit.
  bool EndedCleanly() {
    return Ended(EndTimeoutMs) && process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0;
  }
  int ExitCode() const { return process_.exitCode(); }
  QString StandardError() { return standardError_ += QString::fromLocal8Bit(process_.readAllStandardError()); }
  QString StandardOutput() { return standardOutput_ += QString::fromLocal8Bit(process_.readAllStandardOutput()); }

 private:
  static constexpr int StartTimeoutMs = 60000;
  static constexpr int EndTimeoutMs = 20000;

  QString WindowId() {
    return WindowOf(process_.processId(), QString::fromStdU16String(std::u16string(Form1Caption)));
  }
  // "<command> <args>" of every FSCommand the log has shown so far, in order.
  QStringList Said() {
    static const QRegularExpression line("^zingbox\\.player: fscommand \\S+ (.*)$", QRegularExpression::MultilineOption);
    QStringList said;
    for (const QRegularExpressionMatch& found : line.globalMatch(StandardError())) said.append(found.captured(1));
    return said;
  }

  QProcess process_;
  QString standardError_;
  QString standardOutput_;
};

}  // namespace zingbox::test
