#include <gtest/gtest.h>

#include <set>

#include "shell/GameCatalogue.h"

namespace zingbox {
namespace {

TEST(GameCatalogueTest, RowsAreFoundByNumberButTheMenuHasNoRow) {
  EXPECT_FALSE(FindGameByNumber(0));
  EXPECT_FALSE(FindGameByNumber(7));
  EXPECT_FALSE(FindGameByNumber(-1));
  for (int16_t n = 1; n <= 6; ++n) {
    ASSERT_TRUE(FindGameByNumber(n));
    EXPECT_EQ(FindGameByNumber(n)->number, n);
  }
  EXPECT_EQ(FindGameByNumber(4)->movieFile, u"\\vexorian.swf");
}

TEST(GameCatalogueTest, MovieFilesAreDistinctAndStartWithABackslash) {
  std::set<std::u16string_view> files{MenuMovie};
  for (const Game& game : GameCatalogue) {
    EXPECT_EQ(game.movieFile.front(), u'\\');
    files.insert(game.movieFile);
  }
  EXPECT_EQ(files.size(), GameCatalogue.size() + 1);
}

}  // namespace
}  // namespace zingbox
