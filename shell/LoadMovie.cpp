#include "LoadMovie.h"

#include <string>

namespace zingbox {

void LoadMovie(MoviePlayer& flash, const ProgramFolder& folder, std::u16string_view movieFile) {
  std::u16string path = folder.MovieFolder();
  path += movieFile;
  flash.SetMovie(path);
}

}  // namespace zingbox
