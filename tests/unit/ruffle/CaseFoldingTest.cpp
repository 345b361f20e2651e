#include "platform/ruffle/CaseFolding.h"

#include <gtest/gtest.h>

namespace zingbox {
namespace {

QString Text(std::u32string_view codePoints) {
  return QString::fromUcs4(codePoints.data(), codePoints.size());
}

bool SameName(const QString& left, const QString& right) { return CaseFolded(left) == CaseFolded(right); }

TEST(CaseFolding, LettersOfEveryScriptMeetTheirOtherCase) {
  EXPECT_TRUE(SameName(QStringLiteral("QUIB.SWF"), QStringLiteral("quib.swf")));
  EXPECT_TRUE(SameName(QStringLiteral("ÄRGER.swf"), QStringLiteral("ärger.swf")));
  EXPECT_TRUE(SameName(QStringLiteral("ПРИВЕТ"), QStringLiteral("привет")));
  // Both small sigmas belong to the capital.
  EXPECT_TRUE(SameName(QStringLiteral("ΣΊΣΥΦΟΣ"), QStringLiteral("σίσυφος")));
  // Signs that are letters in disguise: Kelvin and Ohm.
  EXPECT_TRUE(SameName(Text(U"\u212A\u2126"), QStringLiteral("kω")));
  EXPECT_FALSE(SameName(QStringLiteral("quib.swf"), QStringLiteral("quib.swf.")));
  EXPECT_FALSE(SameName(QStringLiteral("a"), QStringLiteral("á")));
}

TEST(CaseFolding, FoldsRatherThanLowersWhereTheTwoDiffer) {
  // Cherokee folds its small letters to the capitals, the opposite of lower-casing.
  EXPECT_EQ(CaseFolded(Text(U"\uAB70")), Text(U"\u13A0"));
  EXPECT_EQ(CaseFolded(Text(U"\u13A0")), Text(U"\u13A0"));
}

TEST(CaseFolding, TakesOneCodePointForOneAndNoLanguageRules) {
  EXPECT_EQ(CaseFolded(Text(U"\u1E9E")), QStringLiteral("ß"));  // capital sharp s
  EXPECT_FALSE(SameName(QStringLiteral("straße"), QStringLiteral("strasse")));
  EXPECT_EQ(CaseFolded(Text(U"\uFB01")), Text(U"\uFB01"));  // the "fi" ligature stays one letter
  // The dotted capital I has only a Turkish or a two-letter folding, so it stays.
  EXPECT_EQ(CaseFolded(Text(U"\u0130")), Text(U"\u0130"));
  EXPECT_EQ(CaseFolded(QStringLiteral("I")), QStringLiteral("i"));
}

TEST(CaseFolding, LettersBeyondTheBasicPlaneFoldAsWholeCodePoints) {
  // Deseret and Adlam capitals, each a surrogate pair.
  EXPECT_EQ(CaseFolded(Text(U"\U00010400x\U0001E900")), Text(U"\U00010428x\U0001E922"));
  // A lone surrogate is no letter and passes unchanged, as does what follows it.
  const QString lone = QString(QChar(0xD801)) + QStringLiteral("Ab");
  EXPECT_EQ(CaseFolded(lone), QString(QChar(0xD801)) + QStringLiteral("ab"));
}

}  // namespace
}  // namespace zingbox
