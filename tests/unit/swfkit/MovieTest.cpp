#include "tools/swfkit/Movie.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/unit/swfkit/Bytes.h"
#include "tools/swfkit/Encoding.h"

namespace zingbox::swf {
namespace {

using testing::Bytes;
using testing::readTags;
using testing::u16At;
using testing::u32At;
namespace tag_code = encoding::tag_code;

TEST(SwfMovieHeader, IsUncompressedVersion6WithTheWholeFileLength) {
  Movie movie({.width = 640, .height = 480, .frameRate = 12.5, .background = Color::rgb(0x99cc99)});
  const Bytes bytes = movie.bytes();
  ASSERT_GT(bytes.size(), 8u);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), (Bytes{'F', 'W', 'S', 6}));
  EXPECT_EQ(Movie({.version = 8}).bytes()[3], 8) << "unless the stage asks for another version";
  EXPECT_EQ(u32At(bytes, 4), bytes.size());

  const Bytes frame = encoding::rect({0, 12800, 0, 9600});
  const std::size_t afterRect = 8 + frame.size();
  EXPECT_EQ(Bytes(bytes.begin() + 8, bytes.begin() + static_cast<std::ptrdiff_t>(afterRect)), frame);
  EXPECT_EQ(u16At(bytes, afterRect), 0x0C80);  // 12.5 as 8.8 fixed point
  EXPECT_EQ(u16At(bytes, afterRect + 2), 1);   // an empty timeline still has one frame
}

TEST(SwfMovieTags, BackgroundFirstThenDefinitionsThenFramesThenEnd) {
  Movie movie({.background = Color::rgb(0x16246b)});
  const CharacterId box = movie.defineShape(Shape().rectangle({0, 0, 10, 10}, {}));
  const CharacterId label = movie.defineText({.content = "Tibb"});
  movie.timeline().place(1, box).place(2, label).showFrame().actions(Actions().gotoAndPlay(1)).showFrame();
  const Bytes bytes = movie.bytes();
  const std::size_t tagsStart = 8 + encoding::rect({0, 12800, 0, 9600}).size() + 4;
  EXPECT_EQ(u16At(bytes, tagsStart - 2), 2);

  std::vector<std::uint16_t> codes;
  for (const auto& tag : readTags(bytes, tagsStart)) codes.push_back(tag.code);
  EXPECT_EQ(codes, (std::vector<std::uint16_t>{tag_code::SetBackgroundColor, tag_code::DefineShape,
                                               tag_code::DefineFont2, tag_code::DefineEditText,
                                               tag_code::PlaceObject2, tag_code::PlaceObject2,
                                               tag_code::ShowFrame, tag_code::DoAction,
                                               tag_code::ShowFrame, tag_code::End}));
  EXPECT_EQ(readTags(bytes, tagsStart).front().payload, (Bytes{0x16, 0x24, 0x6b}));
}

TEST(SwfMovieCharacters, GetDistinctIdsAndShareOneFontPerName) {
  Movie movie({});
  const CharacterId first = movie.defineText({.content = "a"});
  const CharacterId second = movie.defineText({.content = "b"});
  const CharacterId other = movie.defineText({.content = "c", .font = "_serif"});
  EXPECT_EQ(first.value, 2);   // the font took id 1
  EXPECT_EQ(second.value, 3);  // and is not defined again
  EXPECT_EQ(other.value, 5);   // a second font name gets its own font
}

TEST(SwfMoviePlacement, NamedPlacementCarriesItsNameAfterTheMatrix) {
  Movie movie({});
  movie.timeline().place(3, CharacterId{1}, {.at = {1, 0}, .name = "hero"});
  const auto tags = readTags(movie.bytes(), 8 + encoding::rect({0, 12800, 0, 9600}).size() + 4);
  ASSERT_GE(tags.size(), 2u);
  const Bytes expected = testing::concat(
      {{0x26, 3, 0, 1, 0}, encoding::matrix(20, 0), testing::ascii("hero"), {0}});
  EXPECT_EQ(tags[1].payload, expected);
}

TEST(SwfMovieFile, WritesExactlyTheBytes) {
  Movie movie({.frameRate = 30});
  const auto file = std::filesystem::temp_directory_path() / "swfkit-movie-test.swf";
  movie.writeTo(file);
  std::ifstream in(file, std::ios::binary);
  const Bytes written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(written, movie.bytes());
  std::filesystem::remove(file);
  EXPECT_THROW(movie.writeTo("/nonexistent-folder/x.swf"), std::runtime_error);
}

TEST(SwfMovieStage, RefusesImpossibleSettings) {
  EXPECT_THROW(Movie({.width = 0}), std::invalid_argument);
  EXPECT_THROW(Movie({.frameRate = 0}), std::range_error);
  EXPECT_THROW(Movie({.frameRate = 300}), std::range_error);
}

}  // namespace
}  // namespace zingbox::swf
