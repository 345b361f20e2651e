#pragma once

#include <QString>

namespace zingbox {

// The list the build writes beside the player files, one path a line, relative to the
// player folder.
inline constexpr char EngineFileList[] = "engine-files.txt";

// The first file of the player installation that is missing or empty, as a path
// relative to playerFolder (the list itself when that is gone); empty when all is there.
QString MissingEngineFile(const QString& playerFolder);

}  // namespace zingbox
