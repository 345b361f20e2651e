#pragma once

#include <QString>

namespace zingbox {

// Why the file cannot be a playable movie, in words for the user; empty when it looks
// like one. Catches what the engine would otherwise show as a blank area or its own
// cryptic panel: a missing, unreadable, empty, truncated or foreign file.
QString MovieFileProblem(const QString& localPath);

}  // namespace zingbox
