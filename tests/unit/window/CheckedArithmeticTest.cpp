#include "window/CheckedArithmetic.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "platform/RuntimeError.h"

namespace zingbox {
namespace {

int ErrorNumberOf(const auto& compute) {
  try {
    compute();
  } catch (const RuntimeError& error) {
    return error.Number();
  }
  return 0;
}

TEST(Formula, HalvesAndKeepsFractionsOfATwip) {
  EXPECT_EQ(((Formula(12000) - 6255 - 1200 - 960) / 2).Value(), 1792.5f);
  EXPECT_EQ((Formula(-3) / 2).Value(), -1.5f);
}

TEST(Formula, RoundsTheResultToSinglePrecision) {
  // 16777217 has no float; the nearest even float is 16777216.
  EXPECT_EQ((Formula(16777216) + 1).Value(), 16777216.0f);
  EXPECT_EQ((Formula(16777216) + 3).Value(), 16777220.0f);
}

TEST(Formula, OverflowIsJudgedAfterRoundingToFloat) {
  // Half a float step above FLT_MAX (2^103) is where rounding reaches infinity.
  EXPECT_EQ((Formula(FLT_MAX) + 1e31f).Value(), FLT_MAX);
  EXPECT_EQ(ErrorNumberOf([] { (Formula(FLT_MAX) + 1.5e31f).Value(); }), error_number::Overflow);
  EXPECT_EQ(ErrorNumberOf([] { (Formula(-FLT_MAX) - FLT_MAX).Value(); }), error_number::Overflow);
  EXPECT_EQ(ErrorNumberOf([] { (Formula(INFINITY) - 605).Value(); }), error_number::Overflow);
}

TEST(Formula, InvalidOperationsAreRunTimeErrors) {
  EXPECT_EQ(ErrorNumberOf([] { (Formula(INFINITY) - INFINITY).Value(); }), error_number::Overflow);
  EXPECT_EQ(ErrorNumberOf([] { (Formula(NAN) + 1).Value(); }), error_number::Overflow);
  EXPECT_EQ(ErrorNumberOf([] { (Formula(1) - NAN).Value(); }), error_number::Overflow);
}

TEST(Formula, DivisionByZeroFailsAtTheDivision) {
  EXPECT_EQ(ErrorNumberOf([] { Formula(1) / 0; }), error_number::DivisionByZero);
  EXPECT_EQ(ErrorNumberOf([] { Formula(0) / -0.0f; }), error_number::DivisionByZero);
}

}  // namespace
}  // namespace zingbox
