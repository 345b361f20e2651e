#pragma once

#include <functional>

#include <QPointer>
#include <QString>

class QMessageBox;
class QWidget;

namespace zingbox {

// Where an error that escapes an event handler ends: the user sees one message box that
// says what failed and during which action, and the program goes on. Runs on the UI thread.
class ErrorBoundary {
 public:
  // The box's object name, by which tests and accessibility tools find it.
  static constexpr const char* MessageBoxName = "RuntimeErrorBox";

  explicit ErrorBoundary(QWidget& window) : window_(window) {}

  // duringAction completes the sentence "This happened while ...".
  void Run(const QString& duringAction, const std::function<void()>& handler);

 private:
  void Report(const QString& what, const QString& duringAction);

  QWidget& window_;
  // One box at a time: an error repeated while the user reads the first adds nothing.
  QPointer<QMessageBox> shown_;
};

}  // namespace zingbox
