#include "platform/ruffle/CaseFolding.h"

namespace zingbox {

QString CaseFolded(const QString& name) {
  // Qt folds by code point with the simple mappings only, leaving a lone surrogate as it is.
  return name.toCaseFolded();
}

}  // namespace zingbox
