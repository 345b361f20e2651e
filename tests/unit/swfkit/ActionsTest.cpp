#include "tools/swfkit/Actions.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/unit/swfkit/Bytes.h"

namespace zingbox::swf {
namespace {

using testing::ascii;
using testing::Bytes;
using testing::concat;

constexpr std::uint8_t End = 0x00;

TEST(SwfActionRecords, FscommandIsGetUrlWithTheCommandUrlAndTheArgumentsAsTarget) {
  const Bytes payload = concat({ascii("FSCommand:game"), {0}, ascii("wuzz"), {0}});
  EXPECT_EQ(Actions().fscommand("game", "wuzz").bytes(),
            concat({{0x83, static_cast<std::uint8_t>(payload.size()), 0x00}, payload, {End}}));
}

TEST(SwfActionRecords, FscommandWithComputedArgumentsPushesTheUrlThenRunsTheListForTheTarget) {
  const Bytes expected = concat({{0x96, 0x11, 0x00, 0x00}, ascii("FSCommand:saved"), {0},
                                 {0x96, 0x05, 0x00, 0x07, 3, 0, 0, 0},
                                 {0x9A, 0x01, 0x00, 0x00, End}});
  EXPECT_EQ(Actions().fscommand("saved", Actions().push(3.0)).bytes(), expected);
}

TEST(SwfActionRecords, ShortActionsHaveNoLengthField) {
  EXPECT_EQ(Actions().play().stop().nextFrame().getMember().setMember().bytes(),
            (Bytes{0x06, 0x07, 0x04, 0x4E, 0x4F, End}));
}

TEST(SwfActionRecords, GotoTakesOneBasedFramesAndWritesZeroBased) {
  EXPECT_EQ(Actions().gotoAndPlay(1).bytes(), (Bytes{0x81, 0x02, 0x00, 0x00, 0x00, 0x06, End}));
  EXPECT_EQ(Actions().gotoAndStop(300).bytes(), (Bytes{0x81, 0x02, 0x00, 0x2B, 0x01, 0x07, End}));
  Actions actions;
  EXPECT_THROW(actions.gotoAndPlay(0), std::out_of_range);
}

TEST(SwfActionRecords, LoadsPushUrlThenTargetAndSetTheLoadFlagsInTheHighBits) {
  // Bit 7 loads variables, bit 6 says the target is a clip, the low two bits (method)
  // stay 0 so nothing is sent; 0x03 would be a plain getURL with an invalid method.
  const Bytes expected = concat({{0x96, 0x0C, 0x00, 0x00}, ascii("inside.txt"), {0},
                                 {0x96, 0x07, 0x00, 0x00}, ascii("_root"), {0},
                                 {0x9A, 0x01, 0x00, 0xC0, End}});
  EXPECT_EQ(Actions().loadVariables("inside.txt", "_root").bytes(), expected);
  // A movie load sets only the clip flag.
  EXPECT_EQ(Actions().loadMovie("inside.txt", "_root").bytes(),
            concat({Bytes(expected.begin(), expected.end() - 2), {0x40, End}}));
}

TEST(SwfActionRecords, ComputedRequestsTellGetUrl2WhatToDoInItsFlagByte) {
  // Opening a page sends nothing or the variables in the method bits; a movie load only
  // names a clip; a variable load does both.
  EXPECT_EQ(Actions().getURLFromStack().bytes(), (Bytes{0x9A, 0x01, 0x00, 0x00, End}));
  EXPECT_EQ(Actions().getURLFromStack(SendVariables::Post).bytes(), (Bytes{0x9A, 0x01, 0x00, 0x02, End}));
  EXPECT_EQ(Actions().loadMovieFromStack().bytes(), (Bytes{0x9A, 0x01, 0x00, 0x40, End}));
  EXPECT_EQ(Actions().loadVariablesFromStack().bytes(), (Bytes{0x9A, 0x01, 0x00, 0xC0, End}));
}

TEST(SwfPush, WritesEachTypeWithItsTag) {
  EXPECT_EQ(Actions().push("ü").bytes(), (Bytes{0x96, 0x04, 0x00, 0x00, 0xC3, 0xBC, 0x00, End}));
  EXPECT_EQ(Actions().push(-2.0).bytes(), (Bytes{0x96, 0x05, 0x00, 0x07, 0xFE, 0xFF, 0xFF, 0xFF, End}));
  EXPECT_EQ(Actions().push(true).bytes(), (Bytes{0x96, 0x02, 0x00, 0x05, 0x01, End}));
  // 0.5 is 0x3FE0000000000000; the high word comes first, each word little-endian.
  EXPECT_EQ(Actions().push(0.5).bytes(),
            (Bytes{0x96, 0x09, 0x00, 0x06, 0x00, 0x00, 0xE0, 0x3F, 0x00, 0x00, 0x00, 0x00, End}));
  // Too large for a 32-bit integer: must not wrap around.
  EXPECT_EQ(Actions().push(3e9).bytes()[3], 0x06);
}

TEST(SwfBranches, CountFromTheEndOfTheBranchAction) {
  Actions forward;
  const Label skip = forward.newLabel();
  forward.jump(skip).stop().mark(skip).play();
  EXPECT_EQ(forward.bytes(), (Bytes{0x99, 0x02, 0x00, 0x01, 0x00, 0x07, 0x06, End}));

  Actions backward;
  const Label top = backward.newLabel();
  backward.mark(top).stop().jumpIfTrue(top);
  EXPECT_EQ(backward.bytes(), (Bytes{0x07, 0x9D, 0x02, 0x00, 0xFA, 0xFF, End}));
}

TEST(SwfBranches, WhenSkipsTheBodyIfTheConditionIsFalse) {
  const Bytes bytes = Actions().when(Actions().push(true), Actions().stop().play()).bytes();
  // push true, Not, If +2, Stop, Play
  EXPECT_EQ(bytes, (Bytes{0x96, 0x02, 0x00, 0x05, 0x01, 0x12, 0x9D, 0x02, 0x00, 0x02, 0x00, 0x07, 0x06, End}));
}

TEST(SwfBranches, LabelsOfAppendedListsStayTheirOwn) {
  Actions inner;
  const Label innerEnd = inner.newLabel();
  inner.jump(innerEnd).stop().mark(innerEnd);
  Actions outer;
  const Label outerEnd = outer.newLabel();
  outer.jump(outerEnd).append(inner).play().mark(outerEnd);
  // outer jump skips inner (5 + 1 bytes) and Play (1 byte); inner jump skips its Stop.
  EXPECT_EQ(outer.bytes(),
            (Bytes{0x99, 0x02, 0x00, 0x07, 0x00, 0x99, 0x02, 0x00, 0x01, 0x00, 0x07, 0x06, End}));
}

TEST(SwfBranches, RefuseUnmarkedOrTwiceMarkedLabels) {
  Actions unmarked;
  unmarked.jump(unmarked.newLabel());
  EXPECT_THROW(unmarked.bytes(), std::logic_error);

  Actions twice;
  const Label label = twice.newLabel();
  twice.mark(label).mark(label);
  EXPECT_THROW(twice.bytes(), std::logic_error);
}

TEST(SwfMethods, KeyIsDownCallsIsDownOnTheKeyObjectWithOneArgument) {
  const Bytes expected = concat({
      {0x96, 0x05, 0x00, 0x07, 37, 0, 0, 0},        // push 37 (Left)
      {0x96, 0x05, 0x00, 0x07, 1, 0, 0, 0},         // push 1 argument
      {0x96, 0x05, 0x00, 0x00}, ascii("Key"), {0},  // push "Key"
      {0x1C},                                       // GetVariable
      {0x96, 0x08, 0x00, 0x00}, ascii("isDown"), {0},
      {0x52, End},                                  // CallMethod
  });
  EXPECT_EQ(Actions().keyIsDown(KeyCode::Left).bytes(), expected);
}

TEST(SwfMethods, NewObjectTakesTheArgumentCountThenTheClassName) {
  const Bytes expected = concat({
      {0x96, 0x05, 0x00, 0x07, 0, 0, 0, 0},         // push 0 arguments
      {0x96, 0x05, 0x00, 0x00}, ascii("XML"), {0},  // push "XML"
      {0x40},                                       // NewObject
      {0x96, 0x06, 0x00, 0x00}, ascii("load"), {0},
      {0x4E, End},                                  // GetMember
  });
  EXPECT_EQ(Actions().newObject("XML", 0).push("load").getMember().bytes(), expected);
}

TEST(SwfProperties, SetPropertyPushesTargetAndIndexBeforeTheValue) {
  const Bytes bytes = Actions().setProperty("hero", Property::Y, Actions().push(5.0)).bytes();
  const Bytes expected = concat({{0x96, 0x06, 0x00, 0x00}, ascii("hero"), {0},
                                 {0x96, 0x05, 0x00, 0x07, 1, 0, 0, 0},
                                 {0x96, 0x05, 0x00, 0x07, 5, 0, 0, 0},
                                 {0x23, End}});
  EXPECT_EQ(bytes, expected);
}

}  // namespace
}  // namespace zingbox::swf
