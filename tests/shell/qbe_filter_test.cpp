#include "runtime/date_time.h"
#include "runtime/filter/filter_expression.h"
#include "shell/qbe/query_filter.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace bv;

namespace {

QueryItem text(const char* expression, const char* picture = "s50") {
  return QueryItem::make(QString::fromLatin1(expression), QStringLiteral("Descripcion"), QString::fromLatin1(picture));
}
QueryItem number(const char* expression, const char* picture = "n3") {
  return QueryItem::make(QString::fromLatin1(expression), QStringLiteral("Codigo"), QString::fromLatin1(picture));
}
QString filterOf(QueryItem item, const char* typed) {
  item.setValue(QString::fromUtf8(typed));
  const QueryFilter f = itemFilter(item);
  EXPECT_TRUE(f.ok()) << typed;
  return f.text;
}

// A brand record as the filter reads it.
struct Brand {
  QString description;
  int code = 0;
};

QStringList passing(const QString& filter, const std::vector<Brand>& brands) {
  const Brand* current = nullptr;
  FilterFunctionBinding binding;
  binding.bindText(QStringLiteral("MAR:DESCRIPCION"), [&] { return current->description; });
  binding.bindNumber(QStringLiteral("MAR:CODIGO"), [&] { return Decimal(current->code); });
  QString reason;
  const auto compiled = FilterExpression::compile(filter, binding, &reason);
  EXPECT_TRUE(compiled.has_value()) << filter.toStdString() << ": " << reason.toStdString();
  QStringList out;
  if (!compiled) return out;
  for (const Brand& b : brands) {
    current = &b;
    if (compiled->evaluate(binding)) out << b.description;
  }
  return out;
}

}  // namespace

TEST(QbeFilter, BeginsAndContainsOnATextItem) {
  EXPECT_EQ(filterOf(text("MAR:DESCRIPCION"), "ROJO*"), "SUB(MAR:DESCRIPCION,1,4) = 'ROJO'");
  EXPECT_EQ(filterOf(text("MAR:DESCRIPCION"), "*ROJO"), "INSTRING('ROJO',MAR:DESCRIPCION,1,1) <> 0");
  // An UPPER( ) expression upper-cases the value; "^" asks for UPPER( ) itself.
  EXPECT_EQ(filterOf(text("UPPER(MAR:DESCRIPCION)"), "rojo*"), "SUB(UPPER(MAR:DESCRIPCION),1,4) = 'ROJO'");
  EXPECT_EQ(filterOf(text("MAR:DESCRIPCION"), "*^rojo"), "INSTRING('ROJO',UPPER(MAR:DESCRIPCION),1,1) <> 0");
  EXPECT_EQ(filterOf(text("MAR:DESCRIPCION"), "rojo"), "(MAR:DESCRIPCION = 'rojo')");
  // An empty contains narrows nothing.
  EXPECT_EQ(filterOf(text("MAR:DESCRIPCION"), "*"), "");
}

TEST(QbeFilter, ComparisonsOnANumberItemUseTheStoredNumber) {
  EXPECT_EQ(filterOf(number("MAR:CODIGO"), ">=5"), "(MAR:CODIGO >= 5)");
  EXPECT_EQ(filterOf(number("MAR:CODIGO"), "<>5"), "(MAR:CODIGO <> 5)");
  EXPECT_EQ(filterOf(number("MAR:CODIGO"), "=>5"), "(MAR:CODIGO >= 5)");
  EXPECT_EQ(filterOf(number("MAR:CODIGO"), "<>"), "(MAR:CODIGO <> 0)");
  EXPECT_EQ(filterOf(number("BAS:COSTO", "n10.2"), "<1,234.5"), "(BAS:COSTO < 1234.50)");
  EXPECT_EQ(filterOf(number("BAS:COSTO", "n-7.2"), "-3"), "(BAS:COSTO = -3.00)");
  const Date day = Date::fromQDate(QDate(2024, 3, 5));
  EXPECT_EQ(filterOf(number("FOR:FECHA", "d6"), ">05/03/2024"),
            QStringLiteral("(FOR:FECHA > %1)").arg(day.dayNumber()));
}

TEST(QbeFilter, ContainsOnANumberItemTestsItsPictureTextWithoutCase) {
  EXPECT_EQ(filterOf(number("MAR:CODIGO"), "*5"), "INSTRING('5',UPPER(FORMAT(MAR:CODIGO,@n3)),1,1) <> 0");
  // The list's own items hold UPPER( ) already.
  QueryItem column = QueryItem::forColumn(QStringLiteral("MAR:CODIGO"), QStringLiteral("Codigo"), QStringLiteral("n3"));
  EXPECT_EQ(filterOf(column, "*5"), "INSTRING('5',FORMAT(UPPER(MAR:CODIGO),@n3),1,1) <> 0");
  EXPECT_EQ(filterOf(column, ">=5"), "(UPPER(MAR:CODIGO) >= 5)");
}

TEST(QbeFilter, QuotesInsideAValueAreDoubled) {
  EXPECT_EQ(quoteQueryText(QStringLiteral("D'ANGELO")), "'D''ANGELO'");
  EXPECT_EQ(filterOf(text("MAR:DESCRIPCION"), "D'ANGELO"), "(MAR:DESCRIPCION = 'D''ANGELO')");
  // A value that tries to close its quote stays one text.
  const QString tricky = filterOf(text("MAR:DESCRIPCION"), "X') OR ('A'='A");
  EXPECT_EQ(passing(tricky, {{"AZUL", 1}, {"X') OR ('A'='A", 2}}), QStringList{"X') OR ('A'='A"});
}

TEST(QbeFilter, ItemsWithValuesJoinWithAndInItemOrderAndSelectTheRightRecords) {
  QueryItems items{QueryItem::forColumn(QStringLiteral("MAR:CODIGO"), QStringLiteral("Codigo"), QStringLiteral("n3")),
                   QueryItem::forColumn(QStringLiteral("MAR:DESCRIPCION"), QStringLiteral("Descripcion"), QStringLiteral("s50"))};
  EXPECT_EQ(queryFilter(items).text, "");
  items[1].setValue(QStringLiteral("*rojo"));
  items[0].setValue(QStringLiteral(">=2"));
  const QueryFilter f = queryFilter(items);
  ASSERT_TRUE(f.ok());
  EXPECT_EQ(f.text, "(UPPER(MAR:CODIGO) >= 2) AND INSTRING('ROJO',UPPER(MAR:DESCRIPCION),1,1) <> 0");
  const std::vector<Brand> brands{{"Rojo Medio", 1}, {"AZUL ROJO", 2}, {"ROJO MEDIO", 3}, {"VERDE", 4}};
  EXPECT_EQ(passing(f.text, brands), (QStringList{"AZUL ROJO", "ROJO MEDIO"}));

  items[0].clearCondition();
  items[1].setValue(QStringLiteral("rojo*"));
  EXPECT_EQ(passing(queryFilter(items).text, brands), (QStringList{"Rojo Medio", "ROJO MEDIO"}));
}

TEST(QbeFilter, ARangeGivesItsLowAndHighParts) {
  QueryItem code = number("MAR:CODIGO");
  code.setRange(QStringLiteral("2"), QStringLiteral("3"));
  EXPECT_EQ(itemFilter(code).text, "(MAR:CODIGO >= 2) AND (MAR:CODIGO <= 3)");
  code.setRange(QString(), QStringLiteral("3"));
  EXPECT_EQ(itemFilter(code).text, "(MAR:CODIGO <= 3)");
  QueryItem name = text("MAR:DESCRIPCION");
  name.setRange(QStringLiteral("^b"), QStringLiteral("^d"));
  EXPECT_EQ(itemFilter(name).text, "(UPPER(MAR:DESCRIPCION) >= 'B') AND (UPPER(MAR:DESCRIPCION) <= 'D')");
  EXPECT_EQ(passing(itemFilter(name).text, {{"azul", 1}, {"Blanco", 2}, {"cian", 3}, {"Verde", 4}}),
            (QStringList{"Blanco", "cian"}));
}

TEST(QbeFilter, AValueThatCannotBeReadNamesItsItem) {
  QueryItems items{text("MAR:DESCRIPCION"), number("MAR:CODIGO"), number("FOR:FECHA", "d6")};
  items[0].setValue(QStringLiteral("ROJO"));
  items[1].setValue(QStringLiteral(">=abc"));
  QueryFilter f = queryFilter(items);
  EXPECT_FALSE(f.ok());
  EXPECT_EQ(f.failedItem, 1);
  EXPECT_EQ(f.failedValue, ">=abc");

  items[1].setValue(QStringLiteral("12,5"));  // never read as 125
  EXPECT_EQ(queryFilter(items).failedItem, 1);
  items[1].clearCondition();
  items[2].setRange(QStringLiteral("01/01/2024"), QStringLiteral("32/13/2024"));
  f = queryFilter(items);
  EXPECT_EQ(f.failedItem, 2);
  EXPECT_EQ(f.failedValue, "32/13/2024");
  // A declared expression the filter cannot parse fails the same way.
  QueryItem broken = text("UPPER(MAR:DESCRIPCION");
  broken.setValue(QStringLiteral("X"));
  EXPECT_FALSE(itemFilter(broken).ok());
}
