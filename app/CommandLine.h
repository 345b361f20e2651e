#pragma once

#include <QString>
#include <QStringList>

namespace zingbox {

// What the user asked for on the command line: `zingbox [FOLDER]`, `--help`, `--version`.
struct CommandLine {
  enum class Request { Play, Help, Version, UsageError };
  Request request = Request::Play;
  // Play: the pack folder named, absolute and without a closing slash; empty when none.
  QString folder;
  // UsageError: what is wrong, as one line.
  QString problem;
};

// Reads the arguments that follow the program's name, in order: --help or --version
// answers at once; an unknown option or a second folder is a usage error.
CommandLine ReadCommandLine(const QStringList& arguments);

// The answers to --help and --version, each ending in a newline.
QString HelpText();
QString VersionText();

}  // namespace zingbox
