#include "ErrorBoundary.h"

#include <QMessageBox>
#include <exception>

#include "platform/RuntimeError.h"

namespace zingbox {

void ErrorBoundary::Run(const QString& duringAction, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const RuntimeError& error) {
    Report(QStringLiteral("Run-time error '%1':\n\n%2").arg(error.Number()).arg(QString::fromUtf8(error.what())),
           duringAction);
  } catch (const std::exception& error) {
    Report(QStringLiteral("Unexpected error:\n\n%1").arg(QString::fromUtf8(error.what())), duringAction);
  }
}

void ErrorBoundary::Report(const QString& what, const QString& duringAction) {
  if (shown_) return;
  // Window-modal and not waiting in a nested loop, so the movie and the timer go on.
  shown_ = new QMessageBox(QMessageBox::Critical, window_.windowTitle(),
                           what + QStringLiteral("\n\nThis happened while %1.").arg(duringAction), QMessageBox::Ok,
                           &window_);
  shown_->setObjectName(MessageBoxName);
  shown_->setAttribute(Qt::WA_DeleteOnClose);
  shown_->open();
}

}  // namespace zingbox
