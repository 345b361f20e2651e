#include "QtProgramFolder.h"

#include <QCoreApplication>

namespace zingbox {

std::u16string QtProgramFolder::MovieFolder() const {
  return QCoreApplication::applicationDirPath().toStdU16String();
}

}  // namespace zingbox
