#pragma once

#include <QLoggingCategory>
#include <QString>

namespace zingbox {

// The player's debug messages, category "zingbox.player": silent unless switched on, as
// with QT_LOGGING_RULES="zingbox.player.debug=true".
Q_DECLARE_LOGGING_CATEGORY(PlayerLog)

// One line per FSCommand as it reaches the program, "fscommand <ms> <command> <args>",
// stamped on arrival in milliseconds of CLOCK_MONOTONIC, so that start-up and game
// switches can be timed from inside the movies.
void LogFSCommand(const QString& command, const QString& args);

}  // namespace zingbox
