#pragma once

#include <QCoreApplication>
#include <QString>
#include <utility>

#include "platform/ProgramFolder.h"

namespace zingbox {

// The folder the movies come from: the pack folder chosen at start, by default the folder
// of the running executable with the bundled demo pack.
class QtProgramFolder : public ProgramFolder {
 public:
  explicit QtProgramFolder(QString folder = QCoreApplication::applicationDirPath()) : folder_(std::move(folder)) {}

  std::u16string MovieFolder() const override;

 private:
  QString folder_;
};

}  // namespace zingbox
