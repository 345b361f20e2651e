#include "QtProgramFolder.h"

namespace zingbox {

std::u16string QtProgramFolder::MovieFolder() const { return folder_.toStdU16String(); }

}  // namespace zingbox
