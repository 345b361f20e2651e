#include "app/CommandLine.h"

#include <QDir>
#include <QFileInfo>

namespace zingbox {
namespace {

CommandLine UsageError(const QString& problem) {
  return {CommandLine::Request::UsageError, {}, problem + QStringLiteral(" (see zingbox --help)")};
}

}  // namespace

CommandLine ReadCommandLine(const QStringList& arguments) {
  CommandLine line;
  bool optionsEnded = false;
  for (const QString& argument : arguments) {
    const bool isOption = !optionsEnded && argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-");
    if (isOption && argument == QLatin1String("--")) {
      optionsEnded = true;
    } else if (isOption && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
      return {CommandLine::Request::Help, {}, {}};
    } else if (isOption && argument == QLatin1String("--version")) {
      return {CommandLine::Request::Version, {}, {}};
    } else if (isOption) {
      return UsageError(QStringLiteral("unknown option %1").arg(argument));
    } else if (argument.isEmpty()) {
      return UsageError(QStringLiteral("the folder name is empty"));
    } else if (!line.folder.isEmpty()) {
      return UsageError(QStringLiteral("one pack folder at a time, not also %1").arg(argument));
    } else {
      line.folder = QDir::cleanPath(QFileInfo(argument).absoluteFilePath());
    }
  }
  return line;
}

QString HelpText() {
  return QStringLiteral(
      "Usage: zingbox [FOLDER]\n"
      "Plays the Zingbox! Classic Zingbox Pack: the menu movie zingbox.swf and the six games.\n"
      "\n"
      "All movies come from one pack folder, chosen at start:\n"
      "  FOLDER, when one is given;\n"
      "  otherwise $XDG_DATA_HOME/zingbox/pack (~/.local/share/zingbox/pack),\n"
      "    when it holds zingbox.swf;\n"
      "  otherwise the program's own folder, with the bundled demo pack.\n"
      "File names match whatever their case, as on Windows.\n"
      "QT_LOGGING_RULES=zingbox.pack.info=true shows which folder was taken and why.\n"
      "\n"
      "  -h, --help     show this help and exit\n"
      "      --version  show the version and exit\n");
}

QString VersionText() { return QStringLiteral("zingbox " ZINGBOX_VERSION "\n"); }

}  // namespace zingbox
