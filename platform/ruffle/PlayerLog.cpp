#include "platform/ruffle/PlayerLog.h"

#include <chrono>

namespace zingbox {

Q_LOGGING_CATEGORY(PlayerLog, "zingbox.player", QtInfoMsg)

namespace {

QString MonotonicMilliseconds() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return QString::number(std::chrono::duration<double, std::milli>(now).count(), 'f', 3);
}

}  // namespace

// The stamp is taken only when the category is on.
void LogFSCommand(const QString& command, const QString& args) {
  qCDebug(PlayerLog).noquote() << "fscommand" << MonotonicMilliseconds() << command << args;
}

}  // namespace zingbox
