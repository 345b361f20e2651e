#include "platform/qt/StandardError.h"

#include <cstdio>

namespace zingbox {

void SayOnStandardError(const QString& message) {
  std::fprintf(stderr, "zingbox: %s\n", message.toLocal8Bit().constData());
}

}  // namespace zingbox
