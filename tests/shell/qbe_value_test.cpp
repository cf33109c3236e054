#include "shell/qbe/query_rows.h"
#include "shell/qbe/query_value.h"

#include <gtest/gtest.h>

using namespace bv;

TEST(QbeValue, OperatorsAreWrittenOnceEachInTheOrderTypedWithEqualLast) {
  const std::pair<const char*, const char*> cases[] = {
      {"=", "="},   {"==", "="},   {"=>", ">="}, {">=", ">="}, {"=<", "<="}, {"<>", "<>"},
      {"<>=", "<>"}, {"=<>", "<>"}, {"><", "><"}, {"<<", "<"},  {"~=", "~="}, {"=~<", "~<="},
      {"~", "~"},
  };
  for (const auto& [typed, written] : cases)
    EXPECT_EQ(normaliseOperator(QString::fromLatin1(typed)), QString::fromLatin1(written)) << typed;
}

TEST(QbeValue, MarkersForContainsBeginsAndCaseAreTakenOff) {
  QueryValue v = readQueryValue(QStringLiteral(">=5"));
  EXPECT_EQ(v.op, ">=");
  EXPECT_EQ(v.match, QueryMatch::Compare);
  EXPECT_EQ(v.text, "5");

  v = readQueryValue(QStringLiteral("ROJO"));
  EXPECT_EQ(v.op, "=");
  EXPECT_EQ(v.text, "ROJO");

  v = readQueryValue(QStringLiteral("*rojo"));
  EXPECT_EQ(v.match, QueryMatch::Contains);
  EXPECT_EQ(v.text, "rojo");

  v = readQueryValue(QStringLiteral("rojo*"));
  EXPECT_EQ(v.match, QueryMatch::Begins);
  EXPECT_EQ(v.text, "rojo");

  v = readQueryValue(QStringLiteral("*rojo*"));  // contains wins; both stars go
  EXPECT_EQ(v.match, QueryMatch::Contains);
  EXPECT_EQ(v.text, "rojo");

  for (const char* typed : {"*^rojo", "^*rojo"}) {
    v = readQueryValue(QString::fromLatin1(typed));
    EXPECT_EQ(v.match, QueryMatch::Contains) << typed;
    EXPECT_TRUE(v.caseInsensitive) << typed;
    EXPECT_EQ(v.text, "rojo") << typed;
  }
}

TEST(QbeValue, TheFormsOperatorsComposeValuesThatReadBackTheSame) {
  EXPECT_EQ(composeQueryValue(query_ops::kNotEqual, QStringLiteral("5"), false), "<>5");
  EXPECT_EQ(composeQueryValue(query_ops::kContains, QStringLiteral("rojo"), true), "*^rojo");
  EXPECT_EQ(composeQueryValue(query_ops::kBegins, QStringLiteral("rojo"), false), "rojo*");
  EXPECT_EQ(composeQueryValue(QStringLiteral("<="), QStringLiteral("7"), false), "<=7");
  for (const QString& op : queryFormOperators()) {
    if (op == query_ops::kRange) continue;
    const QueryValueShown shown = showQueryValue(composeQueryValue(op, QStringLiteral("Azul"), true));
    EXPECT_EQ(shown.formOperator, op);
    EXPECT_EQ(shown.text, "Azul");
    EXPECT_TRUE(shown.caseInsensitive);
  }
}

TEST(QbeRows, ARangeIsTwoRowsAndReadsBackAsARange) {
  QueryItems items{QueryItem::forColumn(QStringLiteral("MAR:CODIGO"), QStringLiteral("Codigo"), QStringLiteral("n3")),
                   QueryItem::forColumn(QStringLiteral("MAR:DESCRIPCION"), QStringLiteral("Descripcion, larga"),
                                        QStringLiteral("s50"))};
  items[0].setRange(QStringLiteral("3"), QStringLiteral("9"));
  items[1].setValue(QStringLiteral("*ro,jo"));
  const QList<QueryRow> rows = queryRows(items);
  ASSERT_EQ(rows.size(), 3);
  EXPECT_EQ(rows[0], (QueryRow{"Codigo", ">=3"}));
  EXPECT_EQ(rows[1], (QueryRow{"Codigo", "<=9"}));
  EXPECT_EQ(rows[2], (QueryRow{"Descripcion; larga", "*ro,jo"}));  // the field holds no comma

  QueryItems back = items;
  clearConditions(back);
  back[1].setValue(QStringLiteral("stale"));
  EXPECT_TRUE(applyQueryRows(back, rows).isEmpty());
  EXPECT_EQ(back[0].low, "3");
  EXPECT_EQ(back[0].high, "9");
  EXPECT_EQ(back[1].value, "*ro,jo");

  // By expression as well, and unknown fields are answered.
  QueryItems byExpression = items;
  const QStringList unknown =
      applyQueryRows(byExpression, {{"upper(mar:codigo)", ">=4"}, {"Nada", "1"}});
  EXPECT_EQ(byExpression[0].value, ">=4");
  EXPECT_FALSE(byExpression[1].hasCondition());
  EXPECT_EQ(unknown, QStringList{"Nada"});

  EXPECT_EQ(parseQueryRowsText(queryRowsText(rows)), rows);
}

TEST(QbeItem, TextsAreStoredAsTheQueryKeepsThem) {
  const QueryItem a = QueryItem::make(QStringLiteral("upper(ter:codigo)"), QStringLiteral("Código"), QStringLiteral("@s13"));
  EXPECT_EQ(a.expression, "UPPER(TER:CODIGO)");
  EXPECT_EQ(a.picture, "S13");
  EXPECT_TRUE(a.isText());
  EXPECT_FALSE(a.caseFlag);
  EXPECT_EQ(QueryItem::make(QStringLiteral("X"), QStringLiteral("X"), QString()).picture, "S255");
  const QueryItem n = QueryItem::forColumn(QStringLiteral("MAR:CODIGO"), QStringLiteral("Codigo"), QStringLiteral("n3"));
  EXPECT_EQ(n.expression, "UPPER(MAR:CODIGO)");
  EXPECT_FALSE(n.isText());
  EXPECT_TRUE(n.caseFlag);
}
