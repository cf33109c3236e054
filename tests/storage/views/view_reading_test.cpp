// Reading views: key order both ways, pages, joins one-to-one (a text code to a
// numeric code by its numeric value) and one-to-many, orders sorted in memory,
// and the read-ahead that never reads a whole table for one page.
#include "tests/storage/views/views_fixture.h"

namespace bv::test {
namespace {

class ViewReading : public ViewsTest {};

QStringList sortedDescriptions(int count) {
  QStringList out;
  for (int i = 0; i < count; ++i) out << QStringLiteral("PRODUCTO %1").arg(i, 3, 10, QChar(u'0'));
  return out;
}

TEST_F(ViewReading, KeyOrderBothWaysAndByPages) {
  baseline();
  finishedProducts(100);
  ViewManager v(file("Terminado"));
  v.addSortOrder(file("Terminado").keyDef(u"TER:KEYDES"));
  ASSERT_EQ(v.open(), 0);
  QStringList all = sortedDescriptions(100);
  all.prepend("");  // the baseline's record has no description
  EXPECT_EQ(lines(readAll(v, "TER:DESCRIPCION")), lines(all));
  EXPECT_EQ(lines(readBack(v, "TER:DESCRIPCION")), lines(all));

  ViewPage first = v.firstPage(15);
  EXPECT_TRUE(first.atStart);
  EXPECT_FALSE(first.atEnd);
  EXPECT_EQ(lines(texts(first.rows, "TER:DESCRIPCION")), lines(all.mid(0, 15)));
  ViewPage second = v.nextPage(first.rows.back(), 15);
  EXPECT_EQ(lines(texts(second.rows, "TER:DESCRIPCION")), lines(all.mid(15, 15)));
  ViewPage back = v.previousPage(second.rows.front(), 15);
  EXPECT_EQ(lines(texts(back.rows, "TER:DESCRIPCION")), lines(all.mid(0, 15)));
  ViewPage last = v.lastPage(15);
  EXPECT_TRUE(last.atEnd);
  EXPECT_EQ(lines(texts(last.rows, "TER:DESCRIPCION")), lines(all.mid(86)));
  ViewPage beyond = v.nextPage(last.rows.back(), 15);
  EXPECT_TRUE(beyond.rows.empty());
  EXPECT_TRUE(beyond.atEnd);
  // A locator's value: the page starts at the first record at or past it.
  ViewPage at = v.pageAt({QStringLiteral("PRODUCTO 050")}, 3);
  EXPECT_EQ(lines(texts(at.rows, "TER:DESCRIPCION")), lines({"PRODUCTO 050", "PRODUCTO 051", "PRODUCTO 052"}));
  at = v.pageAt({QStringLiteral("PRODUCTO 0505")}, 1);
  EXPECT_EQ(lines(texts(at.rows, "TER:DESCRIPCION")), lines({"PRODUCTO 051"}));

  // The current record of a page goes to the buffer, for the form.
  v.load(second.rows[2]);
  EXPECT_EQ(file("Terminado").buffer().text("TER:DESCRIPCION"), all[17]);
}

TEST_F(ViewReading, OnePageReadsAboutAPageNotTheTable) {
  baseline();
  finishedProducts(1000);
  ViewManager v(file("Terminado"));
  v.addSortOrder(file("Terminado").keyDef(u"TER:KEYDES"));
  ASSERT_EQ(v.open(), 0);
  const qint64 before = v.view().recordsRead();
  ViewPage page = v.firstPage(15);
  ASSERT_EQ(page.rows.size(), 15u);
  EXPECT_LE(v.view().recordsRead() - before, 2 * View::kPageRows);
  const qint64 mid = v.view().recordsRead();
  page = v.pageAt({QStringLiteral("PRODUCTO 700")}, 15);
  EXPECT_EQ(page.rows.front().records[0].text("TER:DESCRIPCION"), "PRODUCTO 700");
  EXPECT_LE(v.view().recordsRead() - mid, 2 * View::kPageRows);
  // A range of one line out of ten reads that line's records only.
  v.addSortOrder(file("Terminado").keyDef(u"TER:KEYLIN"));
  v.setSortOrder(2);
  v.setRangeSingle(*file("Terminado").table().field(u"TER:LINEA"), [] { return FieldValue(Decimal(4)); });
  const qint64 ranged = v.view().recordsRead();
  EXPECT_EQ(readAll(v, "TER:CODIGO").size(), 100);
  EXPECT_LE(v.view().recordsRead() - ranged, 100 + View::kPageRows);
  EXPECT_EQ(v.recordCount(), 1001);
}

TEST_F(ViewReading, TextCodeJoinsANumericCodeByItsNumericValue) {
  baseline();
  for (auto [code, description] : {std::pair{7, "SIETE"}, std::pair{12, "DOCE"}}) {
    Record l = valid("Linea");
    l.setDecimal("LIN:CODIGO", Decimal(code));
    l.setText("LIN:DESCRIPCION", description);
    add("Linea", l);
  }
  for (const char* code : {"07", "7", "01BASE", "12", "12.5"}) {
    Record b = valid("Basicos");
    b.setText("BAS:CODIGO", code);
    add("Basicos", b);
  }
  ViewManager v(file("Basicos"));
  v.addSortOrder(file("Basicos").keyDef(u"BAS:KEYCOD"));
  v.view().join(0, file("Linea"), file("Linea").keyDef(u"LIN:KEYCOD"), {{"BAS:CODIGO", "LIN:CODIGO"}},
                JoinKind::OneToOne);
  ASSERT_EQ(v.open(), 0);
  QStringList joined;
  v.reset();
  while (v.next() == 0)
    joined << v.current()->records[0].text("BAS:CODIGO") + u'>' + v.current()->records[1].text("LIN:DESCRIPCION");
  EXPECT_EQ(lines(joined), lines({"01BASE>", "07>SIETE", "12>DOCE", "12.5>", "7>SIETE", "B0>"}));
  // The joined table's fields are known to the filter, and in the buffer.
  v.setFilter("LIN:DESCRIPCION = 'SIETE'");
  EXPECT_EQ(lines(readAll(v, "BAS:CODIGO")), lines({"07", "7"}));
  EXPECT_EQ(file("Linea").buffer().text("LIN:DESCRIPCION"), "SIETE");
}

class FormulaLines : public ViewReading {
 protected:
  void SetUp() override {
    baseline();
    for (const char* code : {"AZUL", "ROJO", "VERDE"}) {
      Record b = valid("Basicos");
      b.setText("BAS:CODIGO", code);
      b.setText("BAS:DESCRIPCION", QStringLiteral("BASICO ") + code);
      add("Basicos", b);
    }
    for (int f = 1; f <= 4; ++f) {
      Record r = valid("Formula1");
      r.setDecimal("FOR1:CODIGO_FORMULA", Decimal(f));
      r.setText("FOR1:CODIGO_TERMINADO", QStringLiteral("T%1").arg(f));
      add("Formula1", r);
    }
    // Formula 1: three lines, 2: none, 3: one line of a basic not on file, 4: one.
    for (auto [f, basic] : {std::pair{1, "VERDE"}, {1, "AZUL"}, {1, "ROJO"}, {3, "NEGRO"}, {4, "ROJO"}}) {
      Record l = valid("Formula2");
      l.setDecimal("FOR2:CODIGO_FORMULA", Decimal(f));
      l.setText("FOR2:CODIGO_BASICO", basic);
      add("Formula2", l);
    }
    v.addSortOrder(file("Formula1").keyDef(u"FOR1:KEYCOD"));
    v.view().join(0, file("Formula2"), file("Formula2").keyDef(u"FOR2:KEYCODBAS"),
                  {{"FOR1:CODIGO_FORMULA", "FOR2:CODIGO_FORMULA"}}, JoinKind::OneToMany);
    v.view().join(1, file("Basicos"), file("Basicos").keyDef(u"BAS:KEYCOD"), {{"FOR2:CODIGO_BASICO", "BAS:CODIGO"}},
                  JoinKind::OneToOne);
    ASSERT_EQ(v.open(), 0);
  }
  QString describe(const ViewRow& r) {
    return r.records[0].decimal("FOR1:CODIGO_FORMULA").toQString() + u'/' + r.records[1].text("FOR2:CODIGO_BASICO") +
           u'/' + r.records[2].text("BAS:DESCRIPCION");
  }
  QStringList described(const std::vector<ViewRow>& rows) {
    QStringList out;
    for (const ViewRow& r : rows) out << describe(r);
    return out;
  }
  ViewManager v{file("Formula1")};
};

TEST_F(FormulaLines, EachLineIsOneRecordWithItsBasicProduct) {
  const QStringList expected{"1/AZUL/BASICO AZUL", "1/ROJO/BASICO ROJO", "1/VERDE/BASICO VERDE", "2//",
                             "3/NEGRO/", "4/ROJO/BASICO ROJO"};
  QStringList forward, backward;
  v.reset();
  while (v.next() == 0) forward << describe(*v.current());
  EXPECT_EQ(lines(forward), lines(expected));
  v.view().toEnd();
  while (v.previous() == 0) backward.prepend(describe(*v.current()));
  EXPECT_EQ(lines(backward), lines(expected));

  // Pages cut through a formula's lines and come back to them.
  v.view().setReadAhead(2, 0, 60000);
  ViewPage a = v.firstPage(2);
  ViewPage b = v.nextPage(a.rows.back(), 2);
  ViewPage c = v.nextPage(b.rows.back(), 2);
  EXPECT_EQ(lines(described(a.rows) + described(b.rows) + described(c.rows)), lines(expected));
  EXPECT_TRUE(v.nextPage(c.rows.back(), 2).rows.empty());
  ViewPage back = v.previousPage(b.rows.front(), 2);
  EXPECT_EQ(lines(described(back.rows)), lines(expected.mid(0, 2)));

  // A filter on a line's field passes single lines.
  v.setFilter("FOR2:CODIGO_BASICO = 'ROJO'");
  QStringList filtered;
  v.reset();
  while (v.next() == 0) filtered << describe(*v.current());
  EXPECT_EQ(lines(filtered), lines({"1/ROJO/BASICO ROJO", "4/ROJO/BASICO ROJO"}));
}

TEST_F(ViewReading, OrderPastTheKeyIsSortedWithinEachGroup) {
  baseline();
  finishedProducts(60);
  ViewManager v(file("Terminado"));
  v.addSortOrder(file("Terminado").keyDef(u"TER:KEYCAR"));
  v.appendOrder("TER:Codigo");
  ASSERT_EQ(v.open(), 0);
  EXPECT_EQ(v.orderText().toStdString(), "TER:CARTA,TER:Codigo");
  QStringList expected;
  std::vector<std::pair<int, QString>> all;
  all.emplace_back(0, "T0");
  for (int i = 0; i < 60; ++i) all.emplace_back(i % 7 + 1, QStringLiteral("T%1").arg(i, 3, 10, QChar(u'0')));
  std::sort(all.begin(), all.end());
  for (const auto& [carta, code] : all) expected << code;
  EXPECT_EQ(lines(readAll(v, "TER:CODIGO")), lines(expected));
  v.view().setReadAhead(3, 1, 60000);
  EXPECT_EQ(lines(readBack(v, "TER:CODIGO")), lines(expected));

  // Descending: the key read backwards.
  v.appendOrder("*-TER:DESCRIPCION");
  QStringList descending = sortedDescriptions(60);
  descending.prepend("");
  std::reverse(descending.begin(), descending.end());
  EXPECT_EQ(lines(readAll(v, "TER:DESCRIPCION")), lines(descending));

  // A field that is no key: the whole table sorted in memory.
  v.appendOrder("*TER:MARCA,-TER:CODIGO");
  const QStringList byMarca = readAll(v, "TER:CODIGO");
  ASSERT_EQ(byMarca.size(), 61);
  EXPECT_EQ(byMarca.front(), "T0");  // marca 0
  EXPECT_EQ(byMarca[1], "T055");     // marca 1, highest code
  EXPECT_EQ(lines(readBack(v, "TER:CODIGO")), lines(byMarca));
}

TEST_F(ViewReading, ARangeOnTheKeyHoldsUnderAnOrderThatReplacesTheKeys) {
  baseline();
  finishedProducts(30);
  ViewManager v(file("Terminado"));
  v.addSortOrder(file("Terminado").keyDef(u"TER:KEYCOD"));
  v.setRangePair(*file("Terminado").table().field(u"TER:CODIGO"), [] { return FieldValue(QStringLiteral("T010")); },
                 [] { return FieldValue(QStringLiteral("T019")); });
  // Read by the description's key, the code's bounds must not be taken for
  // bounds of the description.
  v.appendOrder("*TER:DESCRIPCION,TER:CODIGO");
  ASSERT_EQ(v.open(), 0);
  QStringList codes = readAll(v, "TER:CODIGO");
  EXPECT_EQ(codes.size(), 10);
  std::sort(codes.begin(), codes.end());
  EXPECT_EQ(codes.front(), "T010");
  EXPECT_EQ(codes.back(), "T019");
}

TEST_F(ViewReading, BufferedRecordsAreReadAgainWhenOld) {
  baseline();
  finishedProducts(30);
  ViewManager v(file("Terminado"));
  v.addSortOrder(file("Terminado").keyDef(u"TER:KEYCOD"));
  ASSERT_EQ(v.open(), 0);
  v.reset();
  ASSERT_EQ(v.next(), 0);
  ASSERT_EQ(v.next(), 0);  // T0, then T000, with the rest of the page read ahead
  // Another station changes the record after it, and deletes the one after that.
  FileManager& ter = file("Terminado");
  ter.buffer().setText("TER:CODIGO", "T001");
  ASSERT_EQ(ter.fetch(ter.keyDef(u"TER:KEYCOD")), 0);
  ter.buffer().setText("TER:DESCRIPCION", "CAMBIADO");
  ASSERT_EQ(ter.file().put(ter.buffer()), kFileOk);
  ter.buffer().setText("TER:CODIGO", "T002");
  ASSERT_EQ(ter.fetch(ter.keyDef(u"TER:KEYCOD")), 0);
  ASSERT_EQ(ter.deleteRecord(), 0);
  // Within the refresh time the page read ahead is shown as read.
  ASSERT_EQ(v.next(), 0);
  EXPECT_EQ(v.current()->records[0].text("TER:DESCRIPCION"), "PRODUCTO 007");
  ASSERT_EQ(v.previous(), 0);
  // Past it, records are read again from the current one.
  v.view().setReadAhead(View::kPageRows, View::kPagesBehind, 0);
  ASSERT_EQ(v.next(), 0);
  EXPECT_EQ(v.current()->records[0].text("TER:DESCRIPCION"), "CAMBIADO");
  ASSERT_EQ(v.next(), 0);
  EXPECT_EQ(v.current()->records[0].text("TER:CODIGO"), "T003");
  ViewPage page = v.firstPage(3);
  ViewRow gone = page.rows[2];  // T001
  ASSERT_EQ(ter.reget(gone.primary()), 0);
  ASSERT_EQ(ter.deleteRecord(), 0);
  // A page after a record deleted meanwhile goes on from its place.
  page = v.nextPage(gone, 2);
  EXPECT_EQ(lines(texts(page.rows, "TER:CODIGO")), lines({"T003", "T004"}));
}

}  // namespace
}  // namespace bv::test
