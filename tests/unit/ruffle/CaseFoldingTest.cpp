#include "platform/ruffle/CaseFolding.h"

#include <gtest/gtest.h>

namespace zingbox {
namespace {

bool SameName(const QString& left, const QString& right) { return CaseFolded(left) == CaseFolded(right); }

TEST(CaseFolding, MeetsLettersOfEveryScriptByTheirSimpleFolding) {
  EXPECT_TRUE(SameName(QStringLiteral("QUIB.SWF"), QStringLiteral("quib.swf")));
  EXPECT_TRUE(SameName(QStringLiteral("ÄRGER ПРИВЕТ ΣΊΣΥΦΟΣ"), QStringLiteral("ärger привет σίσυφος")));
  EXPECT_TRUE(SameName(QStringLiteral("\u212A"), QStringLiteral("k")));  // the Kelvin sign
  EXPECT_FALSE(SameName(QStringLiteral("a"), QStringLiteral("á")));
  // One code point for one and no language rules: "ẞ" meets "ß" but not "ss", and the
  // dotted capital I, which has only a Turkish or a two-letter folding, stays itself.
  EXPECT_TRUE(SameName(QStringLiteral("ẞ"), QStringLiteral("ß")));
  EXPECT_FALSE(SameName(QStringLiteral("straße"), QStringLiteral("strasse")));
  EXPECT_FALSE(SameName(QStringLiteral("İ"), QStringLiteral("i")));
  // Folding is not lowering: Cherokee folds its small letters to the capitals.
  EXPECT_EQ(CaseFolded(QStringLiteral("\uAB70")), QStringLiteral("\u13A0"));
  // Letters beyond the basic plane fold as whole code points.
  EXPECT_EQ(CaseFolded(QStringLiteral("𐐀x𞤀")), QStringLiteral("𐐨x𞤢"));  // Deseret, Adlam
  const QString lone = QChar(0xD801) + QStringLiteral("Ab");
  EXPECT_EQ(CaseFolded(lone), QChar(0xD801) + QStringLiteral("ab"));
}

}  // namespace
}  // namespace zingbox
