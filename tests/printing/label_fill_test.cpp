// The work table of the label sheet: where the labels go on the sheet, what
// each line says, how many labels an order gives, and the sheet's rectangles.
#include "printing/labels/label_fill.h"
#include "tests/printing/printing_fixture.h"

using namespace bv;
using namespace bv::test;
using namespace Qt::StringLiterals;

namespace {

struct SheetRow {
  QStringList left, right;
};

class LabelFillTest : public PrintingTest {
 protected:
  void catalogue() {
    product("T1", u"Látex Blanco    "_s);
    product("T2", u"Esmalte Rojo"_s);
    codeRecord("Linea", "LIN", 3, u"Línea Hogar"_s);
    customer(7, u"Pinturería Sur"_s);
  }
  std::vector<SheetRow> sheet() {
    std::vector<SheetRow> out;
    for (const Record& r : rows("Etiquetas")) {
      SheetRow row;
      for (const char* line : {"A", "B", "C"}) {
        const QString field = u"ETI:LINEA_"_s + QLatin1String(line);
        row.left << r.text(field + u'1');
        row.right << r.text(field + u'2');
        EXPECT_TRUE(r.text(field + u'3').isEmpty());
      }
      out.push_back(row);
    }
    return out;
  }
  int total() {
    int n = -1;
    EXPECT_EQ(LabelFill(files, context).totalLabels(n), kLevelBenign);
    return n;
  }
  const QStringList blank{QString(), QString(), QString()};
};

TEST_F(LabelFillTest, StartingAtRowThreeColumnTwoSkipsTwoRowsAndTheLeftHalfOfTheThird) {
  catalogue();
  order(1, "T1", 3, 7, 2, true);
  order(2, "T2", 3, 7, 1, false);  // not marked: no label
  order(3, "T2", 3, 7, 1, true);
  EXPECT_EQ(total(), 3);
  std::vector<int> progress;
  ASSERT_EQ(LabelFill(files, context).fill({3, 2}, [&](int p) { progress.push_back(p); }), kLevelBenign);

  const QStringList one{u"Látex Blanco - T1"_s, u"Línea Hogar"_s, u"Pinturería Sur"_s};
  const QStringList two{u"Esmalte Rojo - T2"_s, u"Línea Hogar"_s, u"Pinturería Sur"_s};
  const std::vector<SheetRow> s = sheet();
  ASSERT_EQ(s.size(), 4u);
  EXPECT_EQ(s[0].left, blank);
  EXPECT_EQ(s[0].right, blank);
  EXPECT_EQ(s[1].left, blank);
  EXPECT_EQ(s[1].right, blank);
  EXPECT_EQ(s[2].left, blank);
  EXPECT_EQ(s[2].right, one);
  EXPECT_EQ(s[3].left, one);
  EXPECT_EQ(s[3].right, two);
  // The bar starts and ends at 0 and shows each label's share on the way.
  EXPECT_EQ(progress, (std::vector<int>{0, 33, 66, 100, 0}));
  // The marks stay after printing.
  for (const Record& r : rows("Produc01"))
    EXPECT_EQ(r.text("PRO1:MARCA"), r.decimal("PRO1:CODIGO") == Decimal(2) ? QString() : u"I"_s);
}

TEST_F(LabelFillTest, ALabelCountBelowOneGivesOneLabelAndMissingRecordsGiveBlankLines) {
  catalogue();
  order(1, "T1", 3, 7, 0, true);
  order(2, "NOEXISTE", 9, 99, -1, true);  // no product, line or customer
  EXPECT_EQ(total(), 2);
  ASSERT_EQ(LabelFill(files, context).fill({1, 1}), kLevelBenign);
  const std::vector<SheetRow> s = sheet();
  ASSERT_EQ(s.size(), 1u);
  EXPECT_EQ(s[0].left.front(), u"Látex Blanco - T1"_s);
  EXPECT_EQ(s[0].right, (QStringList{u" -"_s, QString(), QString()}));
}

TEST_F(LabelFillTest, EachRunStartsFromAnEmptyTableAndWithoutMarksPrintsOnlyTheSkippedRows) {
  catalogue();
  order(1, "T1", 3, 7, 5, true);
  ASSERT_EQ(LabelFill(files, context).fill({1, 1}), kLevelBenign);
  EXPECT_EQ(sheet().size(), 3u);
  // The order is unmarked: the next run lays only the blank rows above the start.
  {
    FileManager& m = files[u"Produc01"_s];
    ASSERT_EQ(m.open(), kLevelBenign);
    m.buffer().setDecimal("PRO1:CODIGO", 1);
    ASSERT_EQ(m.tryFetch(m.keyDef(u"PRO1:KEYCOD")), kLevelBenign);
    m.buffer().setText("PRO1:MARCA", QString());
    ASSERT_EQ(m.tryUpdate(), kLevelBenign);
    m.close();
  }
  EXPECT_EQ(total(), 0);
  ASSERT_EQ(LabelFill(files, context).fill({4, 2}), kLevelBenign);
  const std::vector<SheetRow> s = sheet();
  ASSERT_EQ(s.size(), 4u);
  for (const SheetRow& row : s) {
    EXPECT_EQ(row.left, blank);
    EXPECT_EQ(row.right, blank);
  }
}

TEST_F(LabelFillTest, AMarkWrittenInLowerCaseIsNoMarkAndMarksAfterItAreStillFound) {
  catalogue();
  order(1, "T1", 3, 7, 1, false);
  put("Produc01", [](Record& r) {
    r.setDecimal("PRO1:CODIGO", 2);
    r.setText("PRO1:CODIGO_TERMINADO", u"T2"_s);
    r.setText("PRO1:MARCA", u"i"_s);
  });
  order(3, "T2", 3, 7, 4, true);
  EXPECT_EQ(total(), 4);
}

TEST(LabelSheet, RectanglesPositionsCountsAndTheProductLine) {
  using namespace labels;
  EXPECT_EQ(positionOfRectangle(1), (SheetPosition{1, 1}));
  EXPECT_EQ(positionOfRectangle(2), (SheetPosition{1, 2}));
  EXPECT_EQ(positionOfRectangle(9), (SheetPosition{5, 1}));
  EXPECT_EQ(positionOfRectangle(16), (SheetPosition{8, 2}));
  for (int k = 1; k <= kRectangles; ++k) EXPECT_EQ(rectangleOf(positionOfRectangle(k)), k);
  EXPECT_TRUE(isValidStart({8, 2}));
  EXPECT_FALSE(isValidStart({0, 1}));
  EXPECT_FALSE(isValidStart({9, 1}));
  EXPECT_FALSE(isValidStart({1, 3}));

  EXPECT_EQ(labelsFor(Decimal(0)), 1);
  EXPECT_EQ(labelsFor(Decimal(-3)), 1);
  EXPECT_EQ(labelsFor(Decimal(12)), 12);

  EXPECT_EQ(productLine(u"Azul   "_s, u"T9"_s), u"Azul - T9"_s);
  EXPECT_EQ(productLine(QString(), QString()), u" - "_s);
  // Cut to the line's 40 characters, the code's end going first.
  const QString line = productLine(QString(36, u'x'), u"CODIGO"_s);
  EXPECT_EQ(line, QString(36, u'x') + u" - C"_s);
}

}  // namespace
