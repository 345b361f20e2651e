#pragma once

#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

namespace zingbox::test {

// One run of the real program on a home folder of the test's choosing, watched through
// what its movie says (the FSCommands of its zingbox.player log, on standard error) and ended as a
// user or the system would end it.
class ProgramRun {
 public:
  ProgramRun(const QString& program, const QString& home, const QStringList& wrapper = {});
  ~ProgramRun();

  // The arguments of the movie's first command named `command`, once it has said it;
  // nothing if it never does.
  std::optional<QString> WaitFor(const QString& command);
  // The outer geometry of the program's window once it is shown; empty if it never is.
  QRect WaitForWindow();

  // Whether the movie has said anything at all: a copy that hands over plays nothing.
  bool SaidAnything();
  void CloseWindow(const QString& closeWindowHelper);
  void Signal(int signal);
  // True once the program has ended with status 0 after a normal exit.
  bool EndedCleanly();
  bool Ended(int withinMs);
  QString StandardError();

 private:
  QString WindowId();
  // "<command> <args>" of every FSCommand the log has shown so far, in order.
  QStringList Said();

  QProcess process_;
  QString standardError_;
};

}  // namespace zingbox::test
