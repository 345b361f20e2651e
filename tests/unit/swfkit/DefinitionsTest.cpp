#include "tools/swfkit/Definitions.h"

#include <gtest/gtest.h>

#include "tests/unit/swfkit/Bytes.h"

namespace zingbox::swf {
namespace {

using testing::ascii;
using testing::Bytes;
using testing::concat;
using testing::readTags;
using testing::u16At;

Bytes onlyPayload(const Bytes& tag, std::uint16_t expectedCode) {
  const auto tags = readTags(tag);
  EXPECT_EQ(tags.size(), 1u);
  EXPECT_EQ(tags.at(0).code, expectedCode);
  return tags.at(0).payload;
}

TEST(SwfButtonDefinition, LaysOutRecordsThenTheReleaseCondition) {
  const Actions release = Actions().fscommand("game", "tibb");
  const Bytes payload = onlyPayload(
      definitions::button(CharacterId{7}, Button()
                                              .show(ButtonState::Up | ButtonState::HitTest, CharacterId{2})
                                              .show(AllButtonStates, CharacterId{3}, {1, 0})
                                              .onRelease(release)),
      encoding::tag_code::DefineButton2);

  const Bytes records = concat({
      {0x09, 2, 0, 1, 0, 0x00, 0x00},  // up + hit test, character 2, depth 1, identity matrix, no colour terms
      {0x0F, 3, 0, 2, 0},              // all states, character 3, depth 2
      encoding::matrix(20, 0),
      {0x00},
      {0x00},  // end of records
  });
  const Bytes expected = concat({
      {7, 0, 0x00},                                                  // id, not a menu
      {static_cast<std::uint8_t>(2 + records.size()), 0},           // offset to the first condition
      records,
      {0, 0, 0x08, 0x00},  // last condition; released while over the button
      release.bytes(),
  });
  EXPECT_EQ(payload, expected);
}

TEST(SwfButtonDefinition, HasNoActionOffsetWithoutActions) {
  const Bytes payload = onlyPayload(definitions::button(CharacterId{1}, Button().show(AllButtonStates, CharacterId{2})),
                                    encoding::tag_code::DefineButton2);
  EXPECT_EQ(u16At(payload, 3), 0);
  EXPECT_EQ(payload.back(), 0x00);  // records end right after the one record
}

TEST(SwfShapeDefinition, BoundsCoverNegativeCornersAndStylesFollow) {
  const Shape shape = Shape().rectangle({-10, -5, 20, 10}, Color::rgb(0x123456));
  const Bytes payload = onlyPayload(definitions::shape(CharacterId{4}, shape), encoding::tag_code::DefineShape);
  const Bytes bounds = encoding::rect({-200, 200, -100, 100});
  ASSERT_GT(payload.size(), 2 + bounds.size() + 6);
  EXPECT_EQ(u16At(payload, 0), 4);
  EXPECT_EQ(Bytes(payload.begin() + 2, payload.begin() + 2 + static_cast<std::ptrdiff_t>(bounds.size())), bounds);
  const std::size_t styles = 2 + bounds.size();
  EXPECT_EQ(Bytes(payload.begin() + static_cast<std::ptrdiff_t>(styles),
                  payload.begin() + static_cast<std::ptrdiff_t>(styles + 7)),
            (Bytes{1, 0x00, 0x12, 0x34, 0x56, 0, 0x10}));  // one solid fill, no lines, 1 fill bit
}

TEST(SwfShapeDefinition, RefusesMoreFillsThanTheTagCanCount) {
  Shape crowded;
  for (int i = 0; i < 255; ++i) crowded.rectangle({0, 0, 1, 1}, {});
  EXPECT_THROW(definitions::shape(CharacterId{1}, crowded), std::length_error);
}

TEST(SwfTextDefinition, UsesTheDeviceFontWithSizeColourLayoutAndTexts) {
  const Text text{.content = "Quib", .area = {0, 0, 10, 5}, .size = 24, .color = Color::rgb(0x102030),
                  .align = Align::Center, .variable = "ticks"};
  const Bytes payload = onlyPayload(definitions::text(CharacterId{9}, CharacterId{8}, text),
                                    encoding::tag_code::DefineEditText);
  const Bytes bounds = encoding::rect({0, 200, 0, 100});
  const Bytes expected = concat({
      {9, 0}, bounds,
      {0xED, 0x30},          // text, wrap, multiline, read-only, colour, font | layout, not selectable
      {8, 0, 0xE0, 0x01},    // font 8, 480 twips high
      {0x10, 0x20, 0x30, 0xFF},
      {2, 0, 0, 0, 0, 0, 0, 0, 0},  // centred, no margins, indent or leading
      ascii("ticks"), {0}, ascii("Quib"), {0},
  });
  EXPECT_EQ(payload, expected);
}

TEST(SwfFontDefinition, NamesTheDeviceFontAndItsStyleWithoutGlyphs) {
  const Bytes plain = onlyPayload(definitions::deviceFont(CharacterId{3}, "_sans"), encoding::tag_code::DefineFont2);
  EXPECT_EQ(plain, concat({{3, 0, 0x04, 0, 5}, ascii("_sans"), {0, 0, 2, 0}}));
  const Bytes boldItalic =
      onlyPayload(definitions::deviceFont(CharacterId{3}, "Arial", true, true), encoding::tag_code::DefineFont2);
  EXPECT_EQ(boldItalic, concat({{3, 0, 0x04 | 0x02 | 0x01, 0, 5}, ascii("Arial"), {0, 0, 2, 0}}));
}

TEST(SwfSpriteDefinition, CountsFramesAndEndsItsOwnTags) {
  Timeline timeline;
  timeline.place(1, CharacterId{2}).showFrame().remove(1);
  const Bytes payload = onlyPayload(definitions::sprite(CharacterId{5}, timeline), encoding::tag_code::DefineSprite);
  EXPECT_EQ(u16At(payload, 0), 5);
  EXPECT_EQ(u16At(payload, 2), 2);  // the open second frame is closed
  const auto inner = readTags(payload, 4);
  ASSERT_EQ(inner.size(), 5u);
  EXPECT_EQ(inner[0].code, encoding::tag_code::PlaceObject2);
  EXPECT_EQ(inner[1].code, encoding::tag_code::ShowFrame);
  EXPECT_EQ(inner[2].code, encoding::tag_code::RemoveObject2);
  EXPECT_EQ(inner[3].code, encoding::tag_code::ShowFrame);
  EXPECT_EQ(inner[4].code, encoding::tag_code::End);
}

}  // namespace
}  // namespace zingbox::swf
