#include "tools/assetgen/ProgramIcon.h"

#include "tools/assetgen/MonsterIcon.h"

namespace zingbox::assetgen {

std::vector<IndexedPicture> DrawProgramIconImages() {
  std::vector<IndexedPicture> images;
  for (int colours : {16, 256}) {
    for (int size : {16, 32}) {
      const QImage art = DrawMonsterIcon(size);
      // One palette entry goes to the pixels the mask hides.
      images.push_back(ToIndexed(art, ChoosePalette({art}, colours - 1), colours, true));
    }
  }
  return images;
}

}  // namespace zingbox::assetgen
