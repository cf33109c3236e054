// How values compare, the text functions, the syntax accepted and the reasons
// for refusing an expression.
#include "runtime/filter/filter_text.h"
#include "tests/filter/filter_fixture.h"

namespace bv::test {
namespace {

using Rules = FilterTest;

TEST_F(Rules, TextsCompareWithoutTrailingBlanksAndNumericTextAsNumbers) {
  descripcion = "ROJO      ";
  EXPECT_TRUE(passes("BAS:DESCRIPCION = 'ROJO'"));
  EXPECT_TRUE(passes("'ROJO  ' = BAS:DESCRIPCION"));
  EXPECT_FALSE(passes("BAS:DESCRIPCION = ' ROJO'"));  // leading blanks count
  EXPECT_TRUE(passes("BAS:DESCRIPCION < 'ROJOS'"));
  EXPECT_TRUE(passes("BAS:DESCRIPCION > 'AZUL'"));
  EXPECT_FALSE(passes("BAS:DESCRIPCION > 'Rojo'"));  // binary order: upper case first
  // Numeric text against a number, or two numeric texts, compare as numbers.
  codigo = "05";
  EXPECT_TRUE(passes("UPPER(BAS:CODIGO) = 5"));
  EXPECT_TRUE(passes("BAS:CODIGO = '5'"));
  codigo = "10";
  EXPECT_TRUE(passes("BAS:CODIGO > 9"));  // as texts "10" < "9"
  codigo = "01BASE";
  EXPECT_FALSE(passes("BAS:CODIGO = 1"));
  EXPECT_FALSE(passes("BAS:CODIGO > 1"));  // as texts "01BASE" < "1"
}

TEST_F(Rules, NumbersCompareByValueWhateverTheirPlaces) {
  precio = dec("12.50");
  EXPECT_TRUE(passes("TER:Precio = 12.5"));
  EXPECT_TRUE(passes("TER:Precio > 12.499 AND TER:Precio < 13"));
  EXPECT_TRUE(passes("CostoNeto = 25"));
  linea = -2;
  EXPECT_TRUE(passes("TER:Linea = -2 AND TER:Linea < 0 AND -3 < TER:Linea"));
}

TEST_F(Rules, UpperCaseTakesAccentedLetters) {
  descripcion = "azul añil pingüino ámbar";
  EXPECT_TRUE(passes("UPPER(BAS:DESCRIPCION) = 'AZUL AÑIL PINGÜINO ÁMBAR'"));
}

TEST_F(Rules, LabelsKeywordsAndFunctionsInAnyCase) {
  EXPECT_TRUE(passes("ter:linea = 3 and TER:CARTA = 7 And Ter:Marca = 2"));
  EXPECT_TRUE(passes("sub(bas:descripcion,1,4) = 'ROJO' AND instring('MEDIO',Bas:Descripcion,1,1) = 6"));
  EXPECT_TRUE(passes("upper(costoneto) = 2469"));
}

TEST_F(Rules, OperatorsOrAndNot) {
  // linea 3, carta 7
  EXPECT_TRUE(passes("TER:Linea => 3 AND TER:Linea =< 3 AND TER:Linea >= 3 AND TER:Linea <= 3"));
  EXPECT_TRUE(passes("TER:Linea <> 4 AND TER:Linea ~= 4 AND TER:Linea > 2 AND TER:Linea < 4"));
  EXPECT_TRUE(passes("TER:Linea NOT = 4 AND NOT TER:Linea = 4 AND ~(TER:Linea = 4)"));
  EXPECT_TRUE(passes("TER:Linea = 4 OR TER:Carta = 7"));
  EXPECT_FALSE(passes("TER:Linea = 4 OR (TER:Carta = 7 AND TER:Marca = 9)"));
  EXPECT_TRUE(passes("   "));  // no filter
  EXPECT_TRUE(passes("1 = 1 AND TER:Linea = 3"));
  EXPECT_FALSE(passes("TER:Linea = 3 AND 'A' = 'B'"));
}

TEST(FilterText, SubAndFindStayInsideTheText) {
  using namespace filter_text;
  EXPECT_EQ(sub("ROJO", 1, 2), "RO");
  EXPECT_EQ(sub("ROJO", 3, 10), "JO");
  EXPECT_EQ(sub("ROJO", 5, 1), "");
  EXPECT_EQ(sub("ROJO", 0, 2), "R");
  EXPECT_EQ(sub("ROJO", 2, 0), "");
  EXPECT_EQ(sub("ROJO", -5, 1LL << 62), "ROJO");
  EXPECT_EQ(find(u"JO", u"ROJO", 1, 1), 3);
  EXPECT_EQ(find(u"RO", u"ROJO ROJO", 1, 2), 6);
  EXPECT_EQ(find(u"RO", u"XROJO", 2, 1), 0);  // only positions 1, 3, 5
  EXPECT_EQ(find(u"", u"ROJO", 1, 1), 0);
  EXPECT_EQ(find(u"ROJOS", u"ROJO", 1, 1), 0);
  EXPECT_EQ(numericValue(u" 07 "), Decimal(7));
  EXPECT_FALSE(numericValue(u"12,5"));
  EXPECT_FALSE(numericValue(u""));
}

TEST_F(Rules, RefusedWithAReason) {
  QString longest = "TER:Linea = 3";
  longest += QString(FilterExpression::kLongest - longest.size(), ' ');
  EXPECT_TRUE(passes(longest));
  EXPECT_TRUE(refusal(longest + " ").contains("5000"));
  EXPECT_TRUE(refusal("(TER:Linea = 3").contains("paréntesis"));
  EXPECT_TRUE(refusal("TER:Linea = 3)").contains("Paréntesis"));
  EXPECT_TRUE(refusal("SUB(BAS:DESCRIPCION,1,4 = 'ROJO'").contains("paréntesis"));
  EXPECT_TRUE(refusal("TER:Lineas = 3").contains("TER:Lineas"));
  EXPECT_TRUE(refusal("MID(BAS:DESCRIPCION,1,4) = 'ROJO'").contains("MID"));
  EXPECT_TRUE(refusal("SUB(BAS:DESCRIPCION,1) = 'R'").contains("3"));
  EXPECT_TRUE(refusal("FORMAT(TER:Precio,'@x9') = '1'").contains("@x9"));
  EXPECT_TRUE(refusal("TER:Linea # 3").contains("#"));
  EXPECT_TRUE(refusal("BAS:DESCRIPCION = 'ROJO").contains("comilla"));
  EXPECT_TRUE(refusal("TER:Linea == 3").contains("=="));
  EXPECT_FALSE(refusal("TER:Linea = 3 AND AND TER:Carta = 7").isEmpty());
  EXPECT_FALSE(refusal("TER:Linea = 3 TER:Carta = 7").isEmpty());
  EXPECT_FALSE(refusal("(TER:Linea = 3) = 1").isEmpty());
  EXPECT_FALSE(refusal(QString(300, '(') + "1" + QString(300, ')')).isEmpty());
}

}  // namespace
}  // namespace bv::test

namespace bv::test {
namespace {

TEST(FilterFunctionBinding, ANameBoundAgainWithTheOtherKindStillReads) {
  FilterFunctionBinding binding;
  binding.bindNumber("Glo:Linea", [] { return Decimal(5); });
  const auto filter = FilterExpression::compile("glo:linea = 5", binding);
  ASSERT_TRUE(filter);
  EXPECT_TRUE(filter->evaluate(binding));
  binding.bindText("GLO:LINEA", [] { return QString("05"); });  // same slot, now a text
  EXPECT_TRUE(filter->evaluate(binding));
  binding.bindText("GLO:LINEA", [] { return QString("X"); });
  EXPECT_FALSE(filter->evaluate(binding));
}

}  // namespace
}  // namespace bv::test
