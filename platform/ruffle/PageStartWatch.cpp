#include "platform/ruffle/PageStartWatch.h"

#include <QDir>

namespace zingbox {
namespace {

const QString Reinstall = QStringLiteral("Reinstall the program to play the games.");

}  // namespace

PageStartWatch::PageStartWatch(QObject* parent) : QObject(parent) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(PatienceMs);
  connect(&timer_, &QTimer::timeout, this, &PageStartWatch::GiveUp);
}

void PageStartWatch::Start(const QString& missingScript) {
  blamedFile_ = missingScript;
  reason_ = missingScript.isEmpty() ? QString()
                                    : QStringLiteral("A script that comes with Qt is missing. ") + Reinstall;
  timer_.start();
}

void PageStartWatch::ScriptFailed(const QString& message, int line, const QUrl& source) {
  // The first error is the cause; those after it follow from it. Errors of a page that
  // got ready are the engine's own business.
  if (!timer_.isActive() || !reason_.isEmpty() || !source.isLocalFile()) return;
  blamedFile_ = QDir::toNativeSeparators(source.toLocalFile());
  reason_ = QStringLiteral("Its script is damaged (line %1: %2). ").arg(line).arg(message) + Reinstall;
}

void PageStartWatch::GiveUp() {
  if (reason_.isEmpty())
    emit NotReady({}, QStringLiteral("It did not get ready within %1 seconds. Click Menu or Restart to try again.")
                       .arg(PatienceMs / 1000));
  else
    emit NotReady(blamedFile_, reason_);
}

}  // namespace zingbox
