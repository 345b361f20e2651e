#pragma once

#include <QString>

namespace zingbox {

// Tells the user something the program cannot show in its window, as one line on
// standard error: "zingbox: <message>".
void SayOnStandardError(const QString& message);

}  // namespace zingbox
