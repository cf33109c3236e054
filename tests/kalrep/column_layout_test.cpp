// The column list and the layout rules the layout window relies on: ADDFIELD,
// visible columns, papers and widths, fitting, and the layouts kept in the
// settings file.
#include <gtest/gtest.h>

#include "kalrep/export_codes.h"
#include "kalrep/layout_messages.h"
#include "kalrep/paper.h"
#include "kalrep_test_support.h"
#include "runtime/scripted_presenter.h"
#include "storage/settings/settings.h"

namespace bv::test {
namespace {

TEST(ColumnList, AddfieldNumbersTheColumnsAndTrimsItsTexts) {
  KExpManager m;
  m.INIT(QStringLiteral("TEST:Cols"), QStringLiteral("b.INI"));
  QString a, b;
  Decimal c;
  m.ADDFIELD(a, QStringLiteral("@s10  "), QStringLiteral("L "), QStringLiteral("Uno  "), 40);
  m.ADDFIELD(b, QStringLiteral("@s5"), QStringLiteral("C"), QStringLiteral("Dos"), 20);
  m.ADDFIELD(c, QStringLiteral("@n8.2"), QStringLiteral("R"), QStringLiteral("Tres"), 30);
  ASSERT_EQ(m.MYPICTUREQUEUE.size(), 3u);
  const ColumnDescriptor& first = m.MYPICTUREQUEUE[0];
  EXPECT_EQ(first.ORDEN, 1);
  EXPECT_EQ(first.POSICION, 1);
  EXPECT_EQ(first.PICTURE, QStringLiteral("@s10"));
  EXPECT_EQ(first.JUSTIFICACION, QStringLiteral("L"));
  EXPECT_EQ(first.NOMBRE, QStringLiteral("Uno"));
  EXPECT_EQ(m.MYPICTUREQUEUE[2].POSICION, 3);
  EXPECT_EQ(m.MYPICTUREQUEUE[2].pictureWidth(), 8);
  EXPECT_EQ(m.MYPICTUREQUEUE[2].typeLetter(), u'N');

  // Reordered and one hidden: the visible columns follow ORDEN.
  m.MYPICTUREQUEUE[0].ORDEN = 2;
  m.MYPICTUREQUEUE[1].ORDEN = 0;
  m.MYPICTUREQUEUE[2].ORDEN = 1;
  const auto visible = visibleColumns(std::as_const(m.MYPICTUREQUEUE));
  ASSERT_EQ(visible.size(), 2u);
  EXPECT_EQ(visible[0]->NOMBRE, QStringLiteral("Tres"));
  EXPECT_EQ(visible[1]->NOMBRE, QStringLiteral("Uno"));
  m.countVisibleColumns();
  EXPECT_EQ(m.VISIBLECOL, 2);
}

TEST(ColumnList, CellTextsAreAlignedAndLoseTheirTrailingBlanks) {
  EXPECT_EQ(alignedCellText(QStringLiteral("  ab  "), u'L'), QStringLiteral("ab"));
  EXPECT_EQ(alignedCellText(QStringLiteral("  ab  "), u'C'), QStringLiteral("ab"));
  EXPECT_EQ(alignedCellText(QStringLiteral("  ab  "), u'R'), QStringLiteral("    ab"));
  EXPECT_EQ(alignedCellText(QStringLiteral("    "), u'R'), QString());
  EXPECT_EQ(alignedCellText(QStringLiteral("a\tb "), u'L'), QStringLiteral("a\tb"));
}

TEST(Papers, TheListOfThirtyEightAndTheirSizes) {
  ASSERT_EQ(paper::entries().size(), 38);
  EXPECT_EQ(paper::entries()[0], QStringLiteral("Letter 8 1/2 x 11 in"));
  EXPECT_EQ(paper::entries()[21], QString::fromUtf8("Envelope #12 4¾ x 11"));
  EXPECT_EQ(paper::entries()[37], QStringLiteral("German Legal Fanfold 8 1/2 x 13 in"));
  EXPECT_EQ(paper::entryList().count(u'|'), 37);
  EXPECT_EQ(paper::codeOfPosition(23), 23);
  EXPECT_EQ(paper::codeOfPosition(24), 27);  // codes 24 to 26 have no entry
  EXPECT_EQ(paper::codeOfPosition(38), 41);
  EXPECT_EQ(paper::positionOfCode(27), 24);
  EXPECT_EQ(paper::positionOfCode(25), 0);
  EXPECT_EQ(paper::sizeOfCode(25), (paper::Size{0, 0}));
  EXPECT_EQ(paper::sizeOfCode(9), (paper::Size{8250, 11688}));
  EXPECT_EQ(paper::sizeOfCode(9, paper::Unit::Millimetres), (paper::Size{210, 297}));
  EXPECT_EQ(paper::sizeOfCode(9, paper::Unit::ListUnits), (paper::Size{528, 748}));
  EXPECT_EQ(paper::sizeAtPosition(26), (paper::Size{12750, 18023}));
}

TEST(Papers, UsableWidths) {
  EXPECT_EQ(paper::largestUsableWidth(9, u'V'), 146);  // A4 portrait
  EXPECT_EQ(paper::largestUsableWidth(9, u'H'), 234);
  EXPECT_EQ(paper::largestUsableWidth(1, u'V'), 152);  // Letter
  EXPECT_EQ(paper::listUnitsOfMillimetres(146), 367);
  EXPECT_EQ(paper::listUnitsOfMillimetres(234), 588);
}

class Layouts : public ::testing::Test {
 protected:
  // A manager with four columns of the given widths on A4 in the orientation.
  KExpManager& manager(std::initializer_list<int> widths, const char* orientation = "V") {
    m.INIT(QStringLiteral("TEST:Capas"), ini());
    m.layout().init(ini(), QStringLiteral("TEST:Capas"), m.MYPICTUREQUEUE, true);
    int n = 0;
    for (int w : widths)
      m.ADDFIELD(text, QStringLiteral("@s10"), QStringLiteral("L"),
                 QStringLiteral("Col%1").arg(++n), kal::Short(w));
    ColumnLayout& l = m.layout();
    l.KAL_TIPO_HOJA_AUX = 9;
    l.KAL_HORIZONTAL = QString::fromLatin1(orientation);
    l.KAL_ANCHO = kal::UShort(l.largestWidth());
    return m;
  }
  QString ini() const { return dir.filePath(QStringLiteral("bravent.INI")); }
  std::vector<int> widths() const {
    std::vector<int> out;
    for (const ColumnDescriptor& c : m.MYPICTUREQUEUE) out.push_back(c.ANCHO);
    return out;
  }
  QString stored(const QString& key) const {
    Settings s;
    s.open(ini());
    return s.tryFetch(QStringLiteral("KAL_AUTOCOL_TEST:Capas"), key);
  }

  QTemporaryDir dir;
  KExpManager m;
  QString text;
  ScriptedPresenter messages;
  PresenterScope scope{messages};
};

TEST_F(Layouts, FittingShrinksEveryColumnByTheExcess) {
  manager({200, 200, 200, 223}, "H");  // 823 list units on 588: 40 % too wide
  EXPECT_TRUE(m.layout().fitColumns());
  EXPECT_EQ(widths(), (std::vector<int>{120, 120, 120, 134}));
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(Layouts, FittingRefusesMoreThanSixtyPercent) {
  manager({200, 200, 200, 347}, "H");  // 947 on 588: 61 %
  EXPECT_FALSE(m.layout().fitColumns());
  EXPECT_EQ(widths(), (std::vector<int>{200, 200, 200, 347}));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text(), QString::fromUtf8(layout::kCannotFit));
  EXPECT_EQ(messages.shown()[0].title(), QString::fromUtf8("Atención !"));
}

TEST_F(Layouts, FittingNarrowColumnsNarrowsTheUsableWidth) {
  manager({25, 25, 25, 25});  // 100 units: 40 mm
  EXPECT_TRUE(m.layout().fitColumns());
  EXPECT_EQ(m.layout().KAL_ANCHO, 41);
  EXPECT_EQ(widths(), (std::vector<int>{25, 25, 25, 25}));
}

TEST_F(Layouts, ColumnsWiderThanPortraitButNotLandscapeAskForAnotherPaper) {
  manager({130, 130, 130, 130});  // 520 units: 207 mm, between 146 and 234
  EXPECT_FALSE(m.layout().fitColumns());
  EXPECT_EQ(m.layout().KAL_ANCHO, 146);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text(), QString::fromUtf8(layout::kWiderThanPortrait));
}

TEST_F(Layouts, AcceptingRefusesColumnsWiderThanThePage) {
  manager({100, 100, 100, 100});  // 400 units on 367
  EXPECT_FALSE(m.layout().accept());
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text(), QString::fromUtf8(layout::kTooWide));
  m.MYPICTUREQUEUE[3].ANCHO = 60;
  EXPECT_TRUE(m.layout().accept());
  EXPECT_EQ(m.layout().KAL_WIDTH, 8250u);
  EXPECT_EQ(m.layout().KAL_HEIGHT, 11688u);
}

TEST_F(Layouts, LargestWidthAndMovingHidingShowing) {
  ColumnLayout& l = manager({10, 20, 30, 40}).layout();
  l.KAL_ANCHO = 0;
  l.setLargestWidth();
  EXPECT_EQ(l.KAL_ANCHO, 146);
  auto& cols = m.MYPICTUREQUEUE;
  EXPECT_FALSE(l.moveLeft(cols[0]));
  EXPECT_FALSE(l.moveRight(cols[3]));
  EXPECT_TRUE(l.moveRight(cols[0]));
  EXPECT_EQ(cols[0].ORDEN, 2);
  EXPECT_EQ(cols[1].ORDEN, 1);
  EXPECT_TRUE(l.hide(cols[0]));  // ORDEN 2 goes; 3 and 4 move up
  EXPECT_EQ(cols[2].ORDEN, 2);
  EXPECT_EQ(cols[3].ORDEN, 3);
  ASSERT_EQ(l.MYPICTUREQUEUEOCULTOS.size(), 1u);
  EXPECT_EQ(l.MYPICTUREQUEUEOCULTOS[0].POSICION, 1);
  EXPECT_TRUE(l.show(1));
  EXPECT_EQ(cols[0].ORDEN, 4);  // shown again as the last column
  EXPECT_TRUE(l.MYPICTUREQUEUEOCULTOS.empty());
  for (int i = 1; i < 4; ++i) l.hide(cols[std::size_t(i)]);
  EXPECT_FALSE(l.hide(cols[0]));
  EXPECT_EQ(messages.shown().back().text(),
            QStringLiteral("No se pueden ocultar todos los campos."));
  EXPECT_EQ(cols[0].ORDEN, 1);
}

TEST_F(Layouts, SavedLayoutsKeepEveryKeyAndLoadBack) {
  ColumnLayout& l = manager({10, 20, 30, 40}).layout();
  l.KAL_TITULO = QStringLiteral("Formulas");
  l.KAL_JUSTIFICACION = QStringLiteral("C");
  l.KAL_FECHA_SI = 1;
  l.KAL_PAGINA_SI = 1;
  l.KAL_COLORES_SI = 1;
  l.hide(m.MYPICTUREQUEUE[1]);
  ASSERT_TRUE(l.saveLayout(QStringLiteral("mio|uno")));
  EXPECT_EQ(stored(QStringLiteral("reporte_NOMBRES")), QStringLiteral("|mio_uno"));
  EXPECT_EQ(stored(QStringLiteral("reporte_mio_uno")), QStringLiteral("1,0,2,3"));
  EXPECT_EQ(stored(QStringLiteral("reporte_H_mio_uno")), QStringLiteral("10,20,30,40"));
  EXPECT_EQ(stored(QStringLiteral("reporte_T_mio_uno")), QStringLiteral("Formulas"));
  EXPECT_EQ(stored(QStringLiteral("reporte_O_mio_uno")), QStringLiteral("9,C,146,1,0,1,V,1"));

  // Another name that begins like the first is a layout of its own.
  ASSERT_TRUE(l.saveLayout(QStringLiteral("mio")));
  EXPECT_EQ(l.savedLayoutNames(), QStringList({"mio_uno", "mio"}));

  for (ColumnDescriptor& c : m.MYPICTUREQUEUE) {
    c.ORDEN = c.POSICION;
    c.ANCHO = 99;
  }
  l.KAL_TITULO.clear();
  l.KAL_HORIZONTAL = QStringLiteral("H");
  ASSERT_TRUE(l.loadLayout(QStringLiteral("mio_uno")));
  EXPECT_EQ(widths(), (std::vector<int>{10, 20, 30, 40}));
  EXPECT_EQ(m.MYPICTUREQUEUE[1].ORDEN, 0);
  ASSERT_EQ(l.MYPICTUREQUEUEOCULTOS.size(), 1u);
  EXPECT_EQ(l.MYPICTUREQUEUEOCULTOS[0].NOMBRE, QStringLiteral("Col2"));
  EXPECT_EQ(l.KAL_TITULO, QStringLiteral("Formulas"));
  EXPECT_EQ(l.KAL_HORIZONTAL, QStringLiteral("V"));
  EXPECT_FALSE(l.loadLayout(QStringLiteral("ninguno")));
}

TEST_F(Layouts, ReplacingALayoutAsksFirst) {
  ColumnLayout& l = manager({10, 20}).layout();
  l.KAL_TITULO = QStringLiteral("Primero");
  ASSERT_TRUE(l.saveLayout(QStringLiteral("x")));
  l.KAL_TITULO = QStringLiteral("Segundo");
  messages.answer(kButtonNo);
  EXPECT_FALSE(l.saveLayout(QStringLiteral("x")));
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text(),
            QStringLiteral("El modelo ya existe.|Quiere reemplazarlo?."));
  EXPECT_EQ(messages.shown()[0].defaultButton().value, kButtonYes);
  EXPECT_EQ(stored(QStringLiteral("reporte_T_x")), QStringLiteral("Primero"));
  messages.answer(kButtonYes);
  EXPECT_TRUE(l.saveLayout(QStringLiteral("x")));
  EXPECT_EQ(stored(QStringLiteral("reporte_T_x")), QStringLiteral("Segundo"));
  EXPECT_EQ(stored(QStringLiteral("reporte_NOMBRES")), QStringLiteral("|x"));
}

TEST_F(Layouts, TheFirstUseStoresTheDefaultLayoutAndLaterUsesLoadIt) {
  ColumnLayout& l = manager({10, 20, 30}).layout();
  l.applyDefaultLayout();
  EXPECT_EQ(stored(QStringLiteral("reporte_DEFAULT")), QStringLiteral("SI"));
  EXPECT_EQ(stored(QStringLiteral("reporte_KAL_POR_DEFECTO")), QStringLiteral("1,2,3"));
  // The user saves another default; the next run of the caller shows it.
  m.MYPICTUREQUEUE[0].ORDEN = 3;
  m.MYPICTUREQUEUE[2].ORDEN = 1;
  ASSERT_TRUE(l.saveLayout(QStringLiteral("KAL_POR_DEFECTO")));  // no question for the default
  EXPECT_TRUE(messages.shown().empty());

  KExpManager next;
  next.INIT(QStringLiteral("TEST:Capas"), ini());
  next.layout().init(ini(), QStringLiteral("TEST:Capas"), next.MYPICTUREQUEUE, false);
  QString t;
  for (int i = 1; i <= 3; ++i)
    next.ADDFIELD(t, QStringLiteral("@s5"), QStringLiteral("L"), QStringLiteral("C%1").arg(i), 10);
  next.layout().applyDefaultLayout();
  EXPECT_EQ(next.MYPICTUREQUEUE[0].ORDEN, 3);
  EXPECT_EQ(next.MYPICTUREQUEUE[2].ORDEN, 1);
}

TEST_F(Layouts, RunWithTheWindowAppliesTheDefaultLayout) {
  SampleExport e;
  ASSERT_TRUE(e.INIT(dir.filePath(QStringLiteral("x.csv")), QStringLiteral("TEST:Capas"), ini(),
                     kal::kCsv, 1, 1, 0));
  e.P->layout().WITHWINDOW = 1;
  e.ADDFIELD(text, QStringLiteral("@s5"), QStringLiteral("L"), QStringLiteral("A"), 10);
  ASSERT_TRUE(e.RUN());
  EXPECT_EQ(stored(QStringLiteral("reporte_DEFAULT")), QStringLiteral("SI"));
  EXPECT_EQ(e.P->VISIBLECOL, 1);
}

}  // namespace
}  // namespace bv::test
