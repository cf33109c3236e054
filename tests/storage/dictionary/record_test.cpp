#include "storage/dictionary/record.h"

#include <gtest/gtest.h>

#include "storage/dictionary/dictionary.h"
#include "storage/dictionary/primed_values.h"

namespace bv {
namespace {

const TableDef& table(const char* label) { return *Dictionary::instance().table(QString::fromUtf8(label)); }

Decimal dec(const char* text) { return *Decimal::parse(std::string_view(text)); }

TEST(Record, DecimalsRoundHalfAwayFromZeroToTheFieldsPlaces) {
  Record r(table("Basicos"));
  EXPECT_EQ(r.setDecimal("BAS:COSTO", dec("10.005")), SetResult::Stored);
  EXPECT_EQ(r.decimal("BAS:COSTO").toString(), "10.01");
  EXPECT_EQ(r.setDecimal(4, dec("-10.005")), SetResult::Stored);
  EXPECT_EQ(r.decimal(4).toString(), "-10.01");
  EXPECT_EQ(r.setDecimal("bas:peso_especifico", dec("1.23445")), SetResult::Stored);
  EXPECT_EQ(r.decimal("BAS:PESO_ESPECIFICO").toString(), "1.2345");
}

TEST(Record, ADecimalTooLargeIsRefusedAndTheFieldKept) {
  Record r(table("Dolar"));
  const FieldDef& rate = *r.table().field(2);
  EXPECT_EQ(rate.largest(), dec("999.9999"));
  EXPECT_EQ(r.setDecimal(rate, dec("999.9999")), SetResult::Stored);
  EXPECT_EQ(r.setDecimal(rate, dec("1000")), SetResult::TooLarge);
  EXPECT_EQ(r.decimal(rate), dec("999.9999"));
  // Rounding up past the largest value is refused too; the negative limit holds.
  EXPECT_EQ(r.setDecimal(rate, dec("999.99995")), SetResult::TooLarge);
  EXPECT_EQ(r.setDecimal(rate, dec("-999.9999")), SetResult::Stored);
  EXPECT_EQ(r.setDecimal(rate, dec("-1000")), SetResult::TooLarge);
  EXPECT_EQ(r.setValue(2, FieldValue(dec("12345"))), SetResult::TooLarge);
  EXPECT_EQ(r.decimal(2), dec("-999.9999"));
  // DECIMAL(1, 0) holds one digit.
  Record par(table("Paramet"));
  EXPECT_EQ(par.setDecimal(1, Decimal(9)), SetResult::Stored);
  EXPECT_EQ(par.setDecimal(1, Decimal(10)), SetResult::TooLarge);
}

TEST(Record, TextsAreKeptWithoutTrailingBlanksAndCutToTheirLength) {
  Record r(table("Basicos"));
  EXPECT_EQ(r.setText("BAS:CODIGO", "  AB12   "), SetResult::Stored);
  EXPECT_EQ(r.text("BAS:CODIGO"), "  AB12");
  EXPECT_EQ(r.paddedText("BAS:CODIGO"), "  AB12       ");
  EXPECT_EQ(r.setText("BAS:COLUMNA_EN_EXCEL", "ABC"), SetResult::Cut);
  EXPECT_EQ(r.text(13), "AB");
  EXPECT_EQ(r.setText(13, "A B"), SetResult::Cut);
  EXPECT_EQ(r.text(13), "A");
  // Accented letters count as one character each.
  EXPECT_EQ(r.setText(6, QString::fromUtf8("Ñ")), SetResult::Stored);
  EXPECT_EQ(r.text(6), QString::fromUtf8("Ñ"));
}

TEST(Record, WrongTypesAndUnknownFieldsAreRefused) {
  Record r(table("Basicos"));
  EXPECT_EQ(r.setText("BAS:COSTO", "12"), SetResult::WrongType);
  EXPECT_EQ(r.setDecimal("BAS:CODIGO", Decimal(1)), SetResult::WrongType);
  EXPECT_EQ(r.setDate(1, Date(5)), SetResult::WrongType);
  EXPECT_EQ(r.setText("TER:CODIGO", "X"), SetResult::NoSuchField);
  EXPECT_EQ(r.setText(14, "X"), SetResult::NoSuchField);
  EXPECT_EQ(r.setDecimal(4, Decimal(1), 2), SetResult::NoSuchField);  // not an array
  EXPECT_FALSE(isStored(SetResult::TooLarge));
  EXPECT_TRUE(isStored(SetResult::Cut));
  Record none(table("Dolar"));
  EXPECT_EQ(none.setMemo("x"), SetResult::NoSuchField);
}

TEST(Record, ArrayElementsAndMemo) {
  Record pla(table("Planilla"));
  EXPECT_EQ(pla.setDecimal("PLA:BASICO", dec("1.5"), 25), SetResult::Stored);
  EXPECT_EQ(pla.setDecimal("PLA:BASICO", dec("1.5"), 26), SetResult::NoSuchField);
  EXPECT_EQ(pla.setDecimal("PLA:BASICO", dec("1.5"), 0), SetResult::NoSuchField);
  EXPECT_EQ(pla.decimal(4, 25).toString(), "1.5000");
  EXPECT_TRUE(pla.decimal(4, 24).isZero());
  const auto col = pla.table().column(u"PLA:BASICO[25]");
  EXPECT_EQ(std::get<Decimal>(pla.value(*col)), dec("1.5"));

  Record cli(table("Clientes"));
  EXPECT_EQ(cli.setValue("CLI:FICHA_TECNICA", FieldValue(QString(2000, u'x'))), SetResult::Stored);
  EXPECT_EQ(cli.setMemo(QString(2001, u'y')), SetResult::Cut);
  EXPECT_EQ(cli.memo(), QString(2000, u'y'));
  EXPECT_EQ(std::get<QString>(cli.value("cli:ficha_tecnica")), cli.memo());
}

TEST(Record, ClearCopyAndCompare) {
  Record a(table("Formula1"));
  a.setDecimal("FOR1:CODIGO_FORMULA", Decimal(7));
  a.setText("FOR1:OBSERVACIONES", "Rojo");
  a.setDate("FOR1:FECHA", Date::fromYmd(2024, 5, 1));
  Record b = a;
  EXPECT_EQ(a, b);
  b.setText(2, "Azul");
  EXPECT_FALSE(a == b);
  b = a;
  EXPECT_EQ(a, b);

  a.clear();
  EXPECT_EQ(a, Record(table("Formula1")));
  EXPECT_EQ(a.text(2), "");
  EXPECT_EQ(a.decimal(4).toString(), "0.000");  // cleared with the field's places
  EXPECT_TRUE(a.date(11).isNull());
}

TEST(Record, BaseAndAliasCopyIntoEachOther) {
  Record bas(table("Basicos"));
  bas.setText("BAS:CODIGO", "B1");
  bas.setDecimal("BAS:COSTO", dec("3.5"));
  bas.setMemo("ficha");
  Record alias(table("A_Basicos"));
  ASSERT_TRUE(alias.assignFrom(bas));
  EXPECT_EQ(&alias.table(), &table("A_Basicos"));
  EXPECT_EQ(alias.text("A_BAS:CODIGO"), "B1");
  EXPECT_EQ(alias.decimal("A_BAS:COSTO"), dec("3.5"));
  EXPECT_EQ(alias.memo(), "ficha");
  EXPECT_EQ(alias, bas);
  // A field definition of the base reaches the same field of the alias.
  EXPECT_EQ(alias.text(*table("Basicos").field(1)), "B1");

  Record other(table("Terminado"));
  EXPECT_FALSE(other.assignFrom(bas));
  EXPECT_TRUE(other.text(1).isEmpty());
  EXPECT_EQ(other.text(*table("Basicos").field(1)), "");
}

TEST(Record, KeyValuesAndBlankKeys) {
  Record f2(table("Formula2"));
  const KeyDef& key = *f2.table().key(u"FOR2:KEYCODBAS");
  EXPECT_TRUE(f2.isBlank(key));
  f2.setText("FOR2:CODIGO_BASICO", "B1");
  EXPECT_FALSE(f2.isBlank(key));
  const auto values = f2.keyValues(key);
  ASSERT_EQ(values.size(), 2u);
  EXPECT_TRUE(std::get<Decimal>(values[0]).isZero());
  EXPECT_EQ(std::get<QString>(values[1]), "B1");
}

class PrimedValues : public testing::Test {
 protected:
  void SetUp() override { Clock::fix(Date::fromYmd(2024, 3, 15)); }
  void TearDown() override { Clock::clear(); }
};

TEST_F(PrimedValues, NewRecordsStartClearedWithThePrimedValues) {
  Record bas(table("Basicos"));
  bas.setText(1, "X");
  bas.setText(6, "P");
  primeRecord(bas);
  EXPECT_EQ(bas.text("BAS:MONEDA"), "D");
  EXPECT_EQ(bas.text("BAS:CODIGO"), "");

  Record f1(table("Formula1"));
  primeRecord(f1);
  EXPECT_EQ(f1.date("FOR1:FECHA"), Date::fromYmd(2024, 3, 15));

  Record ver(table("Versiones"));
  primeRecord(ver);
  EXPECT_EQ(ver.date("VER:FECHA"), Date::fromYmd(2024, 3, 15));

  Record alias(table("A_Basicos"));
  primeRecord(alias);
  EXPECT_EQ(alias.text("A_BAS:MONEDA"), "D");

  Record ter(table("Terminado"));
  ter.setText(7, "M");
  primeRecord(ter);
  EXPECT_EQ(ter, Record(table("Terminado")));

  // Priming without clearing keeps what the record holds.
  Record kept(table("Formula1"));
  kept.setText(2, "obs");
  primeFields(kept);
  EXPECT_EQ(kept.text(2), "obs");
  EXPECT_EQ(kept.date(11), Date::fromYmd(2024, 3, 15));
}

}  // namespace
}  // namespace bv
