#include "tools/swfkit/Encoding.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/unit/swfkit/Bytes.h"

namespace zingbox::swf::encoding {
namespace {

using testing::Bytes;

TEST(SwfBitCounts, SignedFieldsNeedTheSignBitAndNoMore) {
  EXPECT_EQ(signedBitCount(0), 0);
  EXPECT_EQ(signedBitCount(1), 2);
  EXPECT_EQ(signedBitCount(-1), 1);
  EXPECT_EQ(signedBitCount(127), 8);
  EXPECT_EQ(signedBitCount(128), 9);
  EXPECT_EQ(signedBitCount(-128), 8);
  EXPECT_EQ(signedBitCount(-129), 9);
  EXPECT_EQ(unsignedBitCount(0), 0);
  EXPECT_EQ(unsignedBitCount(1), 1);
  EXPECT_EQ(unsignedBitCount(255), 8);
}

TEST(SwfBitWriter, PacksMostSignificantBitFirstAndPadsWithZeros) {
  const Bytes packed = BitWriter().unsignedBits(0b101, 3).signedBits(-2, 3).unsignedBits(1, 3).finish();
  // 101 110 001 -> 1011 1000 1(000 0000)
  EXPECT_EQ(packed, (Bytes{0xB8, 0x80}));
}

TEST(SwfBitWriter, RefusesAValueTooWideForItsField) {
  BitWriter bits;
  EXPECT_THROW(bits.signedBits(4, 3), std::range_error);
  EXPECT_THROW(bits.signedBits(-5, 3), std::range_error);
}

TEST(SwfRect, MatchesTheClassicDefaultStage) {
  // 550 x 400 pixels: the frame size every authoring tool writes for its default stage.
  EXPECT_EQ(rect({0, 11000, 0, 8000}), (Bytes{0x78, 0x00, 0x05, 0x5F, 0x00, 0x00, 0x0F, 0xA0, 0x00}));
}

TEST(SwfRect, UsesTheSmallestWidthForNegativeValues) {
  // Two bits hold -1 and 1: 00010 11 01 00 00.
  EXPECT_EQ(rect({-1, 1, 0, 0}), (Bytes{0x16, 0x80}));
  EXPECT_EQ(rect({0, 0, 0, 0}), (Bytes{0x00}));
  const Bytes wide = rect({-129, 0, 0, 0});
  EXPECT_EQ(wide.front() >> 3, 9);
}

TEST(SwfMatrix, CarriesTranslationAndOptionalScale) {
  EXPECT_EQ(matrix(0, 0), (Bytes{0x00}));
  // no scale, no rotation, 3 translate bits: 0 0 00011 011 111 -> 0000 0110 1111 1(000)
  EXPECT_EQ(matrix(3, -1), (Bytes{0x06, 0xF8}));
  // Scale 2.0 = 0x20000 as 16.16 fixed needs 19 bits; the scale flag comes first.
  const Bytes scaled = matrix(0, 0, 2);
  ASSERT_FALSE(scaled.empty());
  EXPECT_EQ(scaled[0] >> 7, 1);
  EXPECT_EQ((scaled[0] >> 2) & 0x1F, 19);
}

TEST(SwfTwips, RoundsPixelsToTheNearestTwentieth) {
  EXPECT_EQ(toTwips(1), 20);
  EXPECT_EQ(toTwips(0.04), 1);
  EXPECT_EQ(toTwips(-2.5), -50);
  EXPECT_THROW(toTwips(1e9), std::range_error);
  EXPECT_THROW(toTwips(std::numeric_limits<double>::quiet_NaN()), std::range_error);
}

TEST(SwfTagHeader, SwitchesToTheLongFormAtSixtyThreeBytes) {
  const Bytes shortTag = tag(tag_code::DoAction, Bytes(62, 0xAA));
  ASSERT_EQ(shortTag.size(), 2u + 62u);
  EXPECT_EQ(testing::u16At(shortTag, 0), (12 << 6) | 62);

  const Bytes longTag = tag(tag_code::DoAction, Bytes(63, 0xAA));
  ASSERT_EQ(longTag.size(), 6u + 63u);
  EXPECT_EQ(testing::u16At(longTag, 0), (12 << 6) | 0x3F);
  EXPECT_EQ(testing::u32At(longTag, 2), 63u);

  EXPECT_EQ(tag(tag_code::ShowFrame, {}), (Bytes{0x40, 0x00}));
}

TEST(SwfStrings, AreUtf8AndNulTerminated) {
  EXPECT_EQ(ByteWriter().string("Grüße").take(),
            (Bytes{'G', 'r', 0xC3, 0xBC, 0xC3, 0x9F, 'e', 0x00}));
  EXPECT_EQ(ByteWriter().string("").take(), (Bytes{0x00}));
  EXPECT_THROW(ByteWriter().string(std::string_view("a\0b", 3)), std::invalid_argument);
}

}  // namespace
}  // namespace zingbox::swf::encoding
