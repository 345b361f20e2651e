#include "platform/ruffle/RendererDeaths.h"

namespace zingbox {

bool RendererDeaths::NoteDeath(qint64 now) {
  recent_.removeIf([now](qint64 death) { return now - death >= WindowMs; });
  recent_.append(now);
  return recent_.size() <= MostInAWindow;
}

}  // namespace zingbox
