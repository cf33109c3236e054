// Ranges and filters through real views: every range kind with the text it
// adds, the named filters in their order, the forms lists, queries and the
// listings write, quoting and UPPER, the 5000-character limit with message 40
// and the unfiltered fallback, and the record test.
#include "storage/views/filter_assembly.h"
#include "tests/storage/views/views_fixture.h"

namespace bv::test {
namespace {

class ViewFilters : public ViewsTest {
 protected:
  void SetUp() override { baseline(); }
  const FieldDef& field(const char* table, const char* label) { return *file(table).table().field(QString::fromLatin1(label)); }
  void lines2() {
    for (auto [f, basic, quantity] : {std::tuple{1, "AZUL", 1}, {1, "ROJO", 2}, {1, "VERDE", 3}, {2, "AZUL", 4},
                                      {2, "ROJO", 5}, {3, "NEGRO", 6}, {4, "ROJO", 7}}) {
      Record l = valid("Formula2");
      l.setDecimal("FOR2:CODIGO_FORMULA", Decimal(f));
      l.setText("FOR2:CODIGO_BASICO", basic);
      l.setDecimal("FOR2:CANTIDAD", Decimal(quantity));
      add("Formula2", l);
    }
  }
  QStringList linesRead(ViewManager& v) {
    QStringList out;
    v.reset();
    while (v.next() == 0)
      out << v.current()->records[0].decimal("FOR2:CODIGO_FORMULA").toQString() + u'/' +
                 v.current()->records[0].text("FOR2:CODIGO_BASICO");
    return out;
  }
};

TEST_F(ViewFilters, RangeKindsWriteTheirComparisonsAndBoundTheReading) {
  lines2();
  ViewManager v(file("Formula2"));
  v.addSortOrder(file("Formula2").keyDef(u"FOR2:KEYCODBAS"));
  const int byFormula = v.addSortOrder(file("Formula2").keyDef(u"FOR2:KEYCOD"));
  ASSERT_EQ(v.open(), 0);
  const FieldDef& formula = field("Formula2", "FOR2:CODIGO_FORMULA");
  const FieldDef& basic = field("Formula2", "FOR2:CODIGO_BASICO");

  // The current value of the buffer.
  file("Formula2").buffer().setDecimal(formula, Decimal(2));
  v.setRangeCurrent(formula);
  EXPECT_EQ(v.assembledFilter().toStdString(), "FOR2:CODIGO_FORMULA = 2");
  EXPECT_EQ(lines(linesRead(v)), lines({"2/AZUL", "2/ROJO"}));

  // A single value for the last component; the leading one keeps its current value.
  v.setRangeSingle(basic, [] { return FieldValue(QStringLiteral("ROJO")); });
  EXPECT_EQ(v.assembledFilter().toStdString(), "FOR2:CODIGO_FORMULA = 2 AND FOR2:CODIGO_BASICO = 'ROJO'");
  EXPECT_EQ(lines(linesRead(v)), lines({"2/ROJO"}));

  // Low and high values.
  file("Formula2").buffer().setDecimal(formula, Decimal(1));
  v.setRangePair(basic, [] { return FieldValue(QStringLiteral("B")); }, [] { return FieldValue(QStringLiteral("S")); });
  EXPECT_EQ(v.assembledFilter().toStdString(),
            "FOR2:CODIGO_FORMULA = 1 AND FOR2:CODIGO_BASICO >= 'B' AND FOR2:CODIGO_BASICO <= 'S'");
  EXPECT_EQ(lines(linesRead(v)), lines({"1/ROJO"}));

  // From the related record, through the relation's field pairs.
  v.setSortOrder(byFormula);
  Record& header = file("Formula1").buffer();
  header.setDecimal("FOR1:CODIGO_FORMULA", Decimal(4));
  v.setRangeRelated(formula, file("Formula1"), *rel("Formula1").relationTo(rel("Formula2")));
  EXPECT_EQ(v.assembledFilter().toStdString(), "FOR2:CODIGO_FORMULA = 4");
  EXPECT_EQ(lines(linesRead(v)), lines({"4/ROJO"}));
  // The values are taken when the range is applied.
  header.setDecimal("FOR1:CODIGO_FORMULA", Decimal(3));
  EXPECT_EQ(lines(linesRead(v)), lines({"3/NEGRO"}));

  v.setRangePair(formula, [] { return FieldValue(Decimal(2)); }, [] { return FieldValue(Decimal(3)); });
  EXPECT_EQ(v.assembledFilter().toStdString(), "FOR2:CODIGO_FORMULA >= 2 AND FOR2:CODIGO_FORMULA <= 3");
  EXPECT_EQ(lines(linesRead(v)), lines({"2/AZUL", "2/ROJO", "3/NEGRO"}));
  // Bounded: reading stops at the range's end instead of reading on.
  v.reset();
  const qint64 before = v.view().recordsRead();
  while (v.next() == 0) {
  }
  EXPECT_LE(v.view().recordsRead() - before, 4);
}

TEST_F(ViewFilters, NamedFiltersFollowTheRangeInTheOrderOfTheirNames) {
  lines2();
  ViewManager v(file("Formula2"));
  v.addSortOrder(file("Formula2").keyDef(u"FOR2:KEYCOD"));
  ASSERT_EQ(v.open(), 0);
  v.setRangePair(field("Formula2", "FOR2:CODIGO_FORMULA"), [] { return FieldValue(Decimal(1)); },
                 [] { return FieldValue(Decimal(2)); });
  v.setFilter("FOR2:CANTIDAD >= 2");
  v.setFilter("FOR2:CODIGO_BASICO <> 'VERDE'", ViewManager::kQueryFilter);
  v.setFilter("SUB(FOR2:CODIGO_BASICO,1,1) <> 'Z'", ViewManager::kLocatorFilter);
  EXPECT_EQ(v.assembledFilter().toStdString(),
            "FOR2:CODIGO_FORMULA >= 1 AND FOR2:CODIGO_FORMULA <= 2 AND (SUB(FOR2:CODIGO_BASICO,1,1) <> 'Z') AND "
            "(FOR2:CANTIDAD >= 2) AND (FOR2:CODIGO_BASICO <> 'VERDE')");
  EXPECT_EQ(lines(linesRead(v)), lines({"1/ROJO", "2/AZUL", "2/ROJO"}));
  // An empty text removes a filter.
  v.setFilter("", ViewManager::kQueryFilter);
  v.setFilter("");
  EXPECT_EQ(v.filterText(ViewManager::kStandardFilter).toStdString(), "");
  EXPECT_EQ(lines(linesRead(v)), lines({"1/AZUL", "1/ROJO", "1/VERDE", "2/AZUL", "2/ROJO"}));
  // Each sort order keeps its own filters.
  const int other = v.addSortOrder(file("Formula2").keyDef(u"FOR2:KEYBAS"));
  v.setSortOrder(other);
  EXPECT_EQ(v.assembledFilter().toStdString(), "");
}

TEST_F(ViewFilters, LocatorAndQueryFormsOnDescriptions) {
  int n = 0;
  for (const char* description : {"ROJO MEDIO", "AZUL ROJO", "Verde Limón", "AZUL", "ROJO"}) {
    Record b = valid("Basicos");
    b.setText("BAS:CODIGO", QStringLiteral("C%1").arg(++n));
    b.setText("BAS:DESCRIPCION", QString::fromUtf8(description));
    b.setDecimal("BAS:COSTO", Decimal(n * 1000 + 234));
    add("Basicos", b);
  }
  ViewManager v(file("Basicos"));
  v.addSortOrder(file("Basicos").keyDef(u"BAS:KEYCOD"));
  ASSERT_EQ(v.open(), 0);
  const auto passing = [&](const QString& filter, const QString& name = ViewManager::kLocatorFilter) {
    v.setFilter(filter, name);
    QStringList out;
    v.reset();
    while (v.next() == 0) out << v.current()->records[0].text("BAS:DESCRIPCION");
    v.setFilter("", name);
    return lines(out);
  };
  EXPECT_EQ(passing("SUB(BAS:DESCRIPCION,1,4) = 'ROJO'"), lines({"ROJO MEDIO", "ROJO"}));
  EXPECT_EQ(passing("INSTRING('ROJO',BAS:DESCRIPCION,1,1) <> 0"), lines({"ROJO MEDIO", "AZUL ROJO", "ROJO"}));
  EXPECT_EQ(passing("SUB(UPPER(BAS:DESCRIPCION),1,5) = 'VERDE'", ViewManager::kQueryFilter), lines({"Verde Limón"}));
  EXPECT_EQ(passing("(UPPER(BAS:DESCRIPCION) = 'VERDE LIMÓN')", ViewManager::kQueryFilter), lines({"Verde Limón"}));
  EXPECT_EQ(passing("INSTRING('3,2',UPPER(FORMAT(BAS:COSTO,@n10.2)),1,1) <> 0", ViewManager::kQueryFilter),
            lines({"Verde Limón"}));
  // Texts compare without trailing blanks, names in any letter case.
  EXPECT_EQ(passing("bas:descripcion = 'AZUL   ' and BAS:Costo > 4000", ViewManager::kQueryFilter), lines({"AZUL"}));
  // A computed value bound by name.
  v.binding().bindNumber("CostoNeto", [this] { return file("Basicos").buffer().decimal("BAS:COSTO") * Decimal(2); });
  EXPECT_EQ(passing("CostoNeto > 8000"), lines({"AZUL", "ROJO"}));
}

TEST_F(ViewFilters, QuotesAreDoubledAndUpperComponentsWrappedBothSides) {
  Record c = valid("Clientes");
  c.setDecimal("CLI:CODIGO", Decimal(1));
  c.setText("CLI:NOMBRE", "D'ANGELO");
  add("Clientes", c);
  c.setDecimal("CLI:CODIGO", Decimal(2));
  c.setText("CLI:NOMBRE", "DANGELO");
  add("Clientes", c);
  ViewManager v(file("Clientes"));
  v.addSortOrder(file("Clientes").keyDef(u"CLI:KEYNOM"));
  ASSERT_EQ(v.open(), 0);
  v.setRangeSingle(field("Clientes", "CLI:NOMBRE"), [] { return FieldValue(QStringLiteral("D'ANGELO")); });
  EXPECT_EQ(v.assembledFilter().toStdString(), "CLI:NOMBRE = 'D''ANGELO'");
  QStringList names;
  v.reset();
  while (v.next() == 0) names << v.current()->records[0].text("CLI:NOMBRE");
  EXPECT_EQ(lines(names), lines({"D'ANGELO"}));

  // A component of a key that ignores case: the label and the value in UPPER.
  const KeyComponent upper{&field("Clientes", "CLI:NOMBRE"), true, "UPPER(CLI:NOMBRE)"};
  const QString text = rangeText({upper}, {FieldValue(QStringLiteral("d'Ángelo"))});
  EXPECT_EQ(text.toStdString(), "UPPER(CLI:NOMBRE) = UPPER('d''Ángelo')");
  v.clearRange();
  v.setFilter(text);
  names.clear();
  file("Clientes").buffer().clear();
  Record accented = valid("Clientes");
  accented.setDecimal("CLI:CODIGO", Decimal(3));
  accented.setText("CLI:NOMBRE", "D'ÁNGELO");
  add("Clientes", accented);
  v.reset();
  while (v.next() == 0) names << v.current()->records[0].text("CLI:NOMBRE");
  EXPECT_EQ(lines(names), lines({"D'ÁNGELO"}));
  EXPECT_EQ(filterLiteral(Decimal::fromMantissa(1250, 2), false).toStdString(), "12.50");
}

TEST_F(ViewFilters, FinishedProductFormsWithBoundGlobals) {
  finishedProducts(40);
  ViewManager v(file("Terminado"));
  v.addSortOrder(file("Terminado").keyDef(u"TER:KEYDES"));
  QHash<QString, int> globals{{"Glo:Linea", 3}, {"Glo:LID", 3}, {"Glo:LIH", 4}, {"Glo:CAD", 1},
                              {"Glo:CAH", 7}, {"Glo:MAD", 3}, {"Glo:MAH", 3}};
  for (auto it = globals.cbegin(); it != globals.cend(); ++it) {
    const QString name = it.key();
    v.binding().bindNumber(name, [&globals, name] { return Decimal(globals.value(name)); });
  }
  ASSERT_EQ(v.open(), 0);
  const auto codes = [&] {
    QStringList out;
    v.reset();
    while (v.next() == 0) out << v.current()->records[0].text("TER:CODIGO");
    out.sort();
    return out;
  };
  v.setFilter("(TER:Linea=Glo:Linea)");
  EXPECT_EQ(lines(codes()), lines({"T002", "T012", "T022", "T032"}));
  v.setFilter(
      "TER:Linea=>Glo:LID and TER:Linea<=Glo:LIH and TER:Carta=>Glo:CAD and TER:Carta<=Glo:CAH and "
      "TER:Marca=>Glo:MAD and TER:Marca<=Glo:MAH");
  // Lines 3 and 4 (i % 10 in {2, 3}), brand 3 (i % 5 == 2).
  EXPECT_EQ(lines(codes()), lines({"T002", "T012", "T022", "T032"}));
  globals["Glo:MAH"] = 4;  // bound values are read as records are tested
  EXPECT_EQ(lines(codes()), lines({"T002", "T003", "T012", "T013", "T022", "T023", "T032", "T033"}));
}

TEST_F(ViewFilters, RefusedOrTooLongFilterShowsMessage40AndRunsUnfiltered) {
  finishedProducts(20);
  ViewManager v(file("Terminado"));
  v.addSortOrder(file("Terminado").keyDef(u"TER:KEYLIN"));
  ASSERT_EQ(v.open(), 0);
  v.setRangeSingle(field("Terminado", "TER:LINEA"), [] { return FieldValue(Decimal(2)); });
  const auto count = [&] {
    int n = 0;
    v.reset();
    while (v.next() == 0) ++n;
    return n;
  };
  // Exactly 5000 characters, with the range and the parentheses.
  const QString range = v.assembledFilter() + " AND (";
  const QString head = "TER:CODIGO <> '";
  v.setFilter(head + QString(5000 - range.size() - head.size() - 2, u'X') + "'");
  ASSERT_EQ(v.assembledFilter().size(), 5000);
  EXPECT_EQ(count(), 2);
  EXPECT_EQ(titles(), "");
  // One more is refused: the list runs without filter and range.
  v.setFilter(head + QString(5000 - range.size() - head.size() - 1, u'X') + "'");
  EXPECT_EQ(count(), 21);
  EXPECT_TRUE(v.filterIgnored());
  EXPECT_EQ(titles(), "Error al Abrir Vista");
  EXPECT_TRUE(script.shown().back().text().contains("Filtros y Rangos serán ignorados"));
  // A name the view does not know.
  v.setFilter("TER:NOEXISTE = 1");
  EXPECT_EQ(count(), 21);
  EXPECT_EQ(titles(), "Error al Abrir Vista | Error al Abrir Vista");
  v.setFilter("TER:MARCA = 2");
  EXPECT_EQ(count(), 2);
  EXPECT_FALSE(v.filterIgnored());
  // An order naming an unknown field: message 40, the key's order.
  v.clearRange();
  v.setFilter("");
  v.appendOrder("TER:NOEXISTE");
  EXPECT_EQ(count(), 21);
  EXPECT_EQ(titles(), "Error al Abrir Vista | Error al Abrir Vista | Error al Abrir Vista");
}

TEST_F(ViewFilters, RecordTestSkipsFilteredAndStopsOutOfRange) {
  finishedProducts(30);
  ViewManager v(file("Terminado"));
  v.addSortOrder(file("Terminado").keyDef(u"TER:KEYCOD"));
  ASSERT_EQ(v.open(), 0);
  v.setRecordTest([&] {
    const QString code = file("Terminado").buffer().text("TER:CODIGO");
    if (code == "T005") return RecordTest::OutOfRange;
    return code.endsWith(u'2') ? RecordTest::Filtered : RecordTest::Ok;
  });
  QStringList codes;
  v.reset();
  int level = 0;
  while ((level = v.next()) == 0) codes << v.current()->records[0].text("TER:CODIGO");
  EXPECT_EQ(level, 5);
  EXPECT_EQ(lines(codes), lines({"T0", "T000", "T001", "T003", "T004"}));

  // Sizes and key values for a process's progress.
  v.setRecordTest(nullptr);
  EXPECT_EQ(v.recordCount(), 31);
  EXPECT_GT(v.fileSize(), 0);
  EXPECT_EQ(v.recordSize(), file("Terminado").table().recordLength());
  EXPECT_EQ(v.firstKeyValue().toStdString(), "T0");
  EXPECT_EQ(v.lastKeyValue().toStdString(), "T029");
  v.reset();
  v.next();
  v.next();
  EXPECT_EQ(v.currentKeyValue().toStdString(), "T000");

  // A read error: message 1, level 3.
  layer->recorded.readCodes["Terminado"] = kFileSystemError;
  v.reset();
  EXPECT_EQ(v.next(), 3);
  EXPECT_EQ(titles(), "Error de Retribución");
}

}  // namespace
}  // namespace bv::test
