// The forms the program builds: key ranges, named filters, locators, query by
// example, the finished-product filters.
#include "tests/filter/filter_fixture.h"

namespace bv::test {
namespace {

using Forms = FilterTest;

TEST_F(Forms, KeyRangesAndNamedFilters) {
  EXPECT_TRUE(passes("TER:Linea = 3 AND TER:Carta = 7"));
  EXPECT_FALSE(passes("TER:Linea = 3 AND TER:Carta = 8"));
  EXPECT_TRUE(passes("TER:Linea = 3 AND TER:Carta >= 5 AND TER:Carta <= 7"));
  EXPECT_FALSE(passes("TER:Linea = 3 AND TER:Carta >= 8 AND TER:Carta <= 9"));
  // A component that ignores case: the label upper-cased, the value too.
  descripcion = "Rojo Medio";
  EXPECT_TRUE(passes("UPPER(BAS:DESCRIPCION) = 'ROJO MEDIO'"));
  EXPECT_FALSE(passes("BAS:DESCRIPCION = 'ROJO MEDIO'"));
  // Named filters, each in parentheses, after the range.
  EXPECT_TRUE(passes("TER:Linea = 3 AND (TER:Carta = 7) AND (UPPER(BAS:DESCRIPCION) = 'ROJO MEDIO')"));
  EXPECT_FALSE(passes("(TER:Carta = 7) AND (TER:Marca <> 2)"));
}

TEST_F(Forms, BeginsWithAndContainsLocators) {
  const QString begins = "SUB(BAS:DESCRIPCION,1,4) = 'ROJO'";
  const QString contains = "INSTRING('ROJO',BAS:DESCRIPCION,1,1) <> 0";
  descripcion = "ROJO MEDIO";
  EXPECT_TRUE(passes(begins));
  EXPECT_TRUE(passes(contains));
  descripcion = "AZUL ROJO";
  EXPECT_FALSE(passes(begins));
  EXPECT_TRUE(passes(contains));
  descripcion = "AZUL";
  EXPECT_FALSE(passes(contains));
  descripcion = "RO";  // shorter than the text sought
  EXPECT_FALSE(passes(begins));
}

TEST_F(Forms, QueryByExample) {
  descripcion = "Verde Limón";
  EXPECT_TRUE(passes("SUB(UPPER(BAS:DESCRIPCION),1,5) = 'VERDE'"));
  EXPECT_TRUE(passes("INSTRING('LIMÓN',UPPER(BAS:DESCRIPCION),1,1) <> 0"));
  EXPECT_TRUE(passes("(UPPER(TER:Linea) >= 3)"));
  EXPECT_FALSE(passes("(UPPER(TER:Linea) <> 3)"));
  EXPECT_TRUE(passes("(UPPER(TER:Linea) <> 0)"));
  // Contains and begins on a number item search its displayed form.
  EXPECT_TRUE(passes("INSTRING('1,234',UPPER(FORMAT(UPPER(TER:Precio),@n10.2)),1,1) <> 0"));
  EXPECT_TRUE(passes("SUB(FORMAT(TER:Precio,'@n10.2'),1,4) = '  1,'"));
  EXPECT_TRUE(passes("INSTRING('03/2024',FORMAT(TER:Fecha,@d6),1,1) <> 0"));
  EXPECT_FALSE(passes("INSTRING('04/2024',FORMAT(TER:Fecha,@d6),1,1) <> 0"));
  // A text with a quote inside is sent with the quote doubled.
  nombre = "D'ANGELO";
  EXPECT_TRUE(passes("(UPPER(CLI:NOMBRE) = 'D''ANGELO')"));
  EXPECT_TRUE(passes("INSTRING('D''A',UPPER(CLI:NOMBRE),1,1) <> 0"));
  EXPECT_FALSE(passes("(UPPER(CLI:NOMBRE) = 'DANGELO')"));
}

TEST_F(Forms, FinishedProducts) {
  globals["Glo:Linea"] = 3;
  EXPECT_TRUE(passes("(TER:Linea=Glo:Linea)"));
  globals["Glo:Linea"] = 4;
  EXPECT_FALSE(passes("(TER:Linea=Glo:Linea)"));

  const QString listing =
      "TER:Linea=>Glo:LID and TER:Linea<=Glo:LIH and TER:Carta=>Glo:CAD and TER:Carta<=Glo:CAH and "
      "TER:Marca=>Glo:MAD and TER:Marca<=Glo:MAH";
  globals = {{"Glo:LID", 3}, {"Glo:LIH", 99}, {"Glo:CAD", 0}, {"Glo:CAH", 99}, {"Glo:MAD", 0}, {"Glo:MAH", 99}};
  const auto filter = FilterExpression::compile(listing, binding);
  ASSERT_TRUE(filter);
  for (int l : {1, 2, 3, 4, 50}) {
    linea = l;
    EXPECT_EQ(filter->evaluate(binding), l >= 3) << l;
  }
  // Bound names are read for every record, not when the filter was compiled.
  globals["Glo:MAH"] = 1;
  EXPECT_FALSE(filter->evaluate(binding));
}

}  // namespace
}  // namespace bv::test
