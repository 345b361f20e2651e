#include "platform/ruffle/MoviePath.h"

#include <gtest/gtest.h>

namespace zingbox::test {
namespace {

std::u16string Local(const std::u16string& pathText) { return MovieLocalPath(pathText).toStdU16String(); }

TEST(MoviePath, OnlyTheBackslashBeforeTheFileNameSeparates) {
  EXPECT_EQ(Local(u"/opt/zingbox\\wuzz.swf"), u"/opt/zingbox/wuzz.swf");
  // Linux lets a folder's name hold backslashes, even as its last letter.
  EXPECT_EQ(Local(u"/home/ann/a\\b\\zingbox.swf"), u"/home/ann/a\\b/zingbox.swf");
  EXPECT_EQ(Local(u"/home/ann/games\\\\quib.swf"), u"/home/ann/games\\/quib.swf");
  // Blanks and letters of any script pass through.
  EXPECT_EQ(Local(u"/home/jörg/Spiele für Ärger\\tibb.swf"), u"/home/jörg/Spiele für Ärger/tibb.swf");
  EXPECT_EQ(Local(u"/srv/ゲーム 🎮\\krellmoor.swf"), u"/srv/ゲーム 🎮/krellmoor.swf");
  EXPECT_EQ(Local(u"/no/backslash/here.swf"), u"/no/backslash/here.swf");
}

}  // namespace
}  // namespace zingbox::test
