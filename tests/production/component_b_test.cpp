// Component B of a production order: the final letter Relacion pairs with
// the quantity, the code built from line, system and letter, and the
// complement text.
#include <gtest/gtest.h>

#include <vector>

#include "production/produccion/component_b.h"

namespace bv {
namespace {

using namespace Qt::StringLiterals;

Decimal d(const char* text) { return *Decimal::parse(std::string_view(text)); }

TEST(ComponentB, RelationByWholeLitres) {
  const std::vector<RelationRow> rows{{1, u"A"_s}, {4, u"B"_s}, {20, u"C"_s}};
  EXPECT_EQ(relationFinalCode(rows, d("4.0000")), u"B"_s);
  EXPECT_EQ(relationFinalCode(rows, d("20")), u"C"_s);
  // A quantity of 3 has no row: the form refuses it.
  EXPECT_FALSE(relationFinalCode(rows, d("3")).has_value());
  EXPECT_FALSE(relationFinalCode(rows, d("0")).has_value());
  EXPECT_FALSE(relationFinalCode({}, d("4")).has_value());
}

TEST(ComponentB, CodeAndComplementText) {
  EXPECT_EQ(componentBCode(5, u'M', u"A"_s), u"05-REAC-A"_s);
  EXPECT_EQ(componentBCode(12, u'P', u"B "_s), u"12-1002-B"_s);
  // Without a final letter (the quantity was refused) the code ends at the infix.
  EXPECT_EQ(componentBCode(5, u' ', QString()), u"05-1002-"_s);
  EXPECT_EQ(complementText(u"05-REAC-A"_s, u"Endurecedor"_s), u"Complemento: 05-REAC-A Endurecedor"_s);
  EXPECT_EQ(complementText(u"05-REAC-A"_s, QString(100, u'x')).size(), 80);
}

}  // namespace
}  // namespace bv
