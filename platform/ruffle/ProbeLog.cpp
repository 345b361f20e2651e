#include "platform/ruffle/ProbeLog.h"

#include <chrono>

#include <QFile>

namespace zingbox {

void AppendToProbeLog(const QString& command, const QString& args) {
  static const QString file = qEnvironmentVariable("ZINGBOX_PROBE_LOG");
  if (file.isEmpty()) return;
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  const double milliseconds = std::chrono::duration<double, std::milli>(now).count();
  QFile log(file);
  if (!log.open(QIODevice::Append | QIODevice::Text)) return;
  log.write(QStringLiteral("%1 %2 %3\n").arg(milliseconds, 0, 'f', 3).arg(command, args).toUtf8());
}

}  // namespace zingbox
