// The finished products and the charts: the list joined to brand, line and
// chart (products without a match stay), its tabs, column groups and query
// items; the form's lookups, the red mark on a line that does not exist and
// the descriptions that follow the codes; the access switch on both lists.
#include "masterdata/carta/carta_windows.h"
#include "masterdata/terminado/terminado_windows.h"
#include "shell/globals.h"
#include "shell/browse/list_model.h"
#include "shell/qbe/list_query_by_example.h"
#include "tests/shell/browse/list_fixture.h"

#include <QHeaderView>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

using namespace bv;
using namespace bv::test;
using namespace Qt::StringLiterals;

namespace {

class TerminadoTest : public ListTest {
 protected:
  TerminadoTest() { glo().ModificaFormulas = u"S"_s; }
  ~TerminadoTest() override { glo().clear(); }

  void line(int code, const char* description) {
    add("Linea", [&](Record& r) {
      r.setDecimal("LIN:CODIGO", code);
      r.setText("LIN:DESCRIPCION", QString::fromUtf8(description));
    });
  }
  void chart(int code, const char* description) {
    add("Carta", [&](Record& r) {
      r.setDecimal("CAR:CODIGO", code);
      r.setText("CAR:DESCRIPCION", QString::fromUtf8(description));
    });
  }
  RecordPosition product(const char* code, const char* description, int line, int chart, int brand,
                         const char* system = "M") {
    return add("Terminado", [&](Record& r) {
      r.setText("TER:CODIGO", QString::fromUtf8(code));
      r.setText("TER:DESCRIPCION", QString::fromUtf8(description));
      r.setDecimal("TER:LINEA", line);
      r.setDecimal("TER:CARTA", chart);
      r.setDecimal("TER:MARCA", brand);
      r.setText("TER:SISTEMA", QString::fromUtf8(system));
    });
  }
  void catalogue() {
    line(7, "EPOXI");
    line(8, "SINTETICO");
    chart(1, "INTERIORES");
    chart(2, "EXTERIORES");
    brand(1, "CROMALIA");
    product("E100", "EPOXI BLANCO", 7, 1, 1);
    product("S200", "SINTETICO ROJO", 8, 2, 0, "E");
    // Its line, chart and brand are on no file: the row stays, blank there.
    product("X300", "ANTIGUO", 9, 9, 9);
  }
  FormWindow* form() { return open<FormWindow>(); }
  // The list opened by a lookup (the last list window shown).
  ListWindow* picking() { return open<ListWindow>(); }
  QLineEdit* entry(const char* name) { return child<QLineEdit>(form(), QString::fromLatin1(name)); }
  QString shown(const char* name) {
    auto* label = child<QLabel>(form(), QString::fromLatin1(name));
    return label ? label->text().trimmed() : u"(none)"_s;
  }
  void changeProduct(ListWindow* list, const char* code) {
    for (std::size_t i = 0; i < list->rows().size(); ++i)
      if (list->rows()[i].texts[0].trimmed() == QString::fromUtf8(code)) {
        ContextGuard guard(context);
        list->setCurrentRow(static_cast<int>(i));
      }
    click(list, u"?Change"_s);
  }
};

}  // namespace

TEST_F(TerminadoTest, TheListJoinsLineChartAndBrandKeepingProductsWithoutAMatch) {
  catalogue();
  ListWindow* list = openList(terminado::browseTerminado());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->windowTitle(), u"Tabla de Productos Terminados"_s);
  // By description first; every product, matched or not.
  EXPECT_EQ(column(*list, 0), (QStringList{u"X300"_s, u"E100"_s, u"S200"_s}));
  QStringList second;
  for (const QString& text : list->rows()[1].texts) second << text.trimmed();
  EXPECT_EQ(second,
            (QStringList{u"E100"_s, u"EPOXI BLANCO"_s, u"7"_s, u"EPOXI"_s, u"1"_s, u"INTERIORES"_s, u"M"_s}));
  EXPECT_EQ(column(*list, 3), (QStringList{QString(), u"EPOXI"_s, u"SINTETICO"_s}));
  EXPECT_EQ(column(*list, 5), (QStringList{QString(), u"INTERIORES"_s, u"EXTERIORES"_s}));

  // Headers, with the line's and the chart's columns under their groups.
  const auto& columns = terminado::browseTerminado().columns;
  QStringList headers, groups;
  for (const ListColumn& c : columns) {
    headers << c.header;
    groups << c.group;
  }
  EXPECT_EQ(headers, (QStringList{u"Código"_s, u"Descripción"_s, u"Cod"_s, u"Descripción"_s, u"Cod"_s,
                                  u"Descripción"_s, u"Sistema"_s}));
  EXPECT_EQ(groups, (QStringList{QString(), QString(), u"Linea"_s, u"Linea"_s, u"Carta"_s, u"Carta"_s, QString()}));
  auto* header = qobject_cast<GroupedHeader*>(list->listBox()->horizontalHeader());
  ASSERT_NE(header, nullptr);

  // Five tabs; the line tab orders by line and its locator positions.
  auto* tabs = child<QTabWidget>(list, u"?CurrentTab"_s);
  ASSERT_NE(tabs, nullptr);
  QStringList tabTexts;
  for (int i = 0; i < tabs->count(); ++i) tabTexts << tabs->tabText(i);
  EXPECT_EQ(tabTexts, (QStringList{u"Por Descripción"_s, u"Por Código"_s, u"Por Linea"_s, u"Por Carta"_s,
                                   u"Por Marca"_s}));
  EXPECT_EQ(child<QLabel>(list, u"?TER:LINEA:Prompt"_s)->text(), u"&Código de Linea:"_s);
  list->setCurrentOrder(2);
  EXPECT_EQ(column(*list, 0), (QStringList{u"E100"_s, u"S200"_s, u"X300"_s}));
  type(list->locatorEntry(2), u"8"_s);
  EXPECT_EQ(list->rows().size(), 3u);
  EXPECT_EQ(list->rows()[static_cast<std::size_t>(list->currentRow())].texts[0].trimmed(), u"S200"_s);
  // The description locator keeps the products that contain the text.
  list->setCurrentOrder(0);
  type(list->locatorEntry(0), u"roj"_s);
  EXPECT_EQ(column(*list, 0), QStringList{u"S200"_s});
}

TEST_F(TerminadoTest, QueryByExampleOffersTheEightItemsAndFiltersOnAJoinedDescription) {
  catalogue();
  ContextGuard guard(context);
  const QueryItems items = ListQueryByExample::itemsOf(terminado::browseTerminado(), files);
  QStringList titles, expressions;
  for (const QueryItem& item : items) {
    titles << item.title;
    expressions << item.expression;
  }
  EXPECT_EQ(titles, (QStringList{u"1Codigo de Producto Terminado"_s, u"2Descripcion del producto"_s,
                                 u"3Codigo de Linea"_s, u"4Descripcion de Linea"_s, u"5Codigo de Carta"_s,
                                 u"6Descripcion de Carta"_s, u"7Codigo de Marca"_s, u"8Descripcion de Marca"_s}));
  EXPECT_EQ(expressions.value(3).toUpper(), u"UPPER(LIN:DESCRIPCION)"_s);
  EXPECT_EQ(expressions.value(7).toUpper(), u"UPPER(MAR:DESCRIPCION)"_s);
  ListWindow* list = openList(terminado::browseTerminado());
  ASSERT_NE(list, nullptr);
  list->setFilter(ListReader::kQueryFilter, u"UPPER(MAR:Descripcion) = 'CROMALIA'"_s);
  EXPECT_EQ(column(*list, 0), QStringList{u"E100"_s});
  list->setFilter(ListReader::kQueryFilter, u"UPPER(TER:Linea) = 8"_s);
  EXPECT_EQ(column(*list, 0), QStringList{u"S200"_s});
}

TEST_F(TerminadoTest, WithoutTheSwitchFinishedProductsAndChartsCanOnlyBeLookedAt) {
  catalogue();
  glo().ModificaFormulas = u"N"_s;
  for (const ListDeclaration* declaration : {&terminado::browseTerminado(), &carta::browseCarta()}) {
    ListWindow* list = openList(*declaration);
    ASSERT_NE(list, nullptr);
    for (ListAction a : {ListAction::Insert, ListAction::Change, ListAction::Delete}) {
      EXPECT_FALSE(list->isConnected(a)) << declaration->procedure.toStdString();
      EXPECT_TRUE(list->button(a)->isHidden()) << declaration->procedure.toStdString();
    }
    press(list->listBox(), Qt::Key_Insert);
    press(list->listBox(), Qt::Key_Delete);
    EXPECT_EQ(form(), nullptr);
  }
  EXPECT_EQ(count("Terminado"), 3);
  EXPECT_EQ(count("Carta"), 2);
  // With it, both lists add, change and delete.
  glo().ModificaFormulas = u"S"_s;
  ListWindow* charts = openList(carta::browseCarta());
  ASSERT_NE(charts, nullptr);
  for (ListAction a : {ListAction::Insert, ListAction::Change, ListAction::Delete})
    EXPECT_TRUE(charts->isConnected(a));
}

TEST_F(TerminadoTest, LineZeroIsAlwaysLookedUpWhileChartAndBrandZeroAreNot) {
  catalogue();
  ListWindow* list = openList(terminado::browseTerminado());
  ASSERT_NE(list, nullptr);
  click(list, u"?Insert"_s);
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(form()->windowTitle(), u"Agregando..."_s);
  type(entry("?TER:CODIGO"), u"N400"_s);
  type(entry("?TER:DESCRIPCION"), u"NUEVO"_s);
  type(entry("?TER:CARTA"), u"0"_s);
  type(entry("?TER:MARCA"), u"0"_s);
  EXPECT_EQ(openCount<ListWindow>(), 1);  // no list opened for either
  type(entry("?TER:LINEA"), u"0"_s);
  ListWindow* lines = picking();
  ASSERT_NE(lines, list);
  EXPECT_EQ(lines->objectName(), u"BrowseLinea"_s);
  EXPECT_EQ(lines->request(), kSelectRecord);
  {
    ContextGuard guard(context);
    lines->setCurrentRow(1);  // by description: EPOXI, SINTETICO
  }
  click(lines, u"?Select"_s);
  EXPECT_EQ(entry("?TER:LINEA")->text().trimmed(), u"8"_s);
  EXPECT_EQ(shown("?LIN:DESCRIPCION"), u"SINTETICO"_s);
  child<QRadioButton>(form(), u"?TER:SISTEMA:2"_s)->click();
  click(form(), u"?OK"_s);
  EXPECT_EQ(form(), nullptr) << titles().join(u", ").toStdString();
  EXPECT_EQ(openCount<ListWindow>(), 1);
  EXPECT_EQ(count("Terminado"), 4);
  list->setCurrentOrder(1);
  EXPECT_TRUE(column(*list, 0).contains(u"N400"_s));
  EXPECT_TRUE(titles().isEmpty()) << titles().join(u", ").toStdString();
}

TEST_F(TerminadoTest, ALineThatDoesNotExistIsMarkedRedUntilAnExistingOneIsGiven) {
  catalogue();
  ListWindow* list = openList(terminado::browseTerminado());
  ASSERT_NE(list, nullptr);
  changeProduct(list, "X300");
  ASSERT_NE(form(), nullptr);
  QLineEdit* line = entry("?TER:LINEA");
  const QColor before = line->palette().color(QPalette::Text);
  EXPECT_FALSE(form()->isMarked(u"TER:LINEA"_s));
  // The code is on no file: the line list opens; choosing none leaves it marked.
  type(line, u"9"_s);
  ListWindow* lines = picking();
  ASSERT_NE(lines, list);
  {
    ContextGuard guard(context);
    lines->setCurrentRow(0);
  }
  click(lines, u"?Close"_s);
  EXPECT_TRUE(form()->isMarked(u"TER:LINEA"_s));
  EXPECT_EQ(line->palette().color(QPalette::Text), QColor(255, 0, 0));
  EXPECT_TRUE(line->hasFocus());
  EXPECT_EQ(shown("?LIN:DESCRIPCION"), QString());
  // A line on file removes the mark and shows its description at once.
  type(line, u"7"_s);
  EXPECT_EQ(openCount<ListWindow>(), 1);
  EXPECT_FALSE(form()->isMarked(u"TER:LINEA"_s));
  EXPECT_EQ(line->palette().color(QPalette::Text), before);
  EXPECT_EQ(shown("?LIN:DESCRIPCION"), u"EPOXI"_s);
  // Away from a line on file and back to none: marked again, and the line
  // beside it is no longer shown.
  type(line, u"9"_s);
  click(picking(), u"?Close"_s);
  EXPECT_TRUE(form()->isMarked(u"TER:LINEA"_s));
  EXPECT_EQ(shown("?LIN:DESCRIPCION"), QString());
  type(line, u"7"_s);
  EXPECT_FALSE(form()->isMarked(u"TER:LINEA"_s));

  // Should the line vanish between the lookup and the rule, the rule's
  // message is shown, the entry is marked and the focus stays.
  {
    ContextGuard guard(context);
    form()->fields().set(u"TER:LINEA"_s, Decimal(9));
    EXPECT_FALSE(form()->behaviour().fieldAccepted(*form(), *form()->control(u"TER:LINEA"_s)));
  }
  EXPECT_TRUE(form()->isMarked(u"TER:LINEA"_s));
  ASSERT_FALSE(script.shown().empty());
  EXPECT_EQ(script.shown().back().text(), u"El valor de TER:Linea debe existir en tabla Linea."_s);
  type(line, u"8"_s);
  EXPECT_FALSE(form()->isMarked(u"TER:LINEA"_s));
  // Its chart and brand are on no file either: OK would ask for them.
  type(entry("?TER:CARTA"), u"2"_s);
  type(entry("?TER:MARCA"), u"0"_s);
  click(form(), u"?OK"_s);
  EXPECT_EQ(form(), nullptr) << titles().join(u", ").toStdString();
  list->setCurrentOrder(1);
  EXPECT_EQ(column(*list, 2), (QStringList{u"7"_s, u"8"_s, u"8"_s}));
}

TEST_F(TerminadoTest, TheDescriptionsFollowTheCodesOnScreen) {
  catalogue();
  ListWindow* list = openList(terminado::browseTerminado());
  ASSERT_NE(list, nullptr);
  changeProduct(list, "E100");
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(shown("?LIN:DESCRIPCION"), u"EPOXI"_s);
  EXPECT_EQ(shown("?CAR:DESCRIPCION"), u"INTERIORES"_s);
  EXPECT_EQ(shown("?MAR:DESCRIPCION"), u"CROMALIA"_s);
  type(entry("?TER:LINEA"), u"8"_s);
  EXPECT_EQ(shown("?LIN:DESCRIPCION"), u"SINTETICO"_s);
  type(entry("?TER:CARTA"), u"2"_s);
  EXPECT_EQ(shown("?CAR:DESCRIPCION"), u"EXTERIORES"_s);
  type(entry("?TER:MARCA"), u"0"_s);  // no brand: nothing beside it
  EXPECT_EQ(shown("?MAR:DESCRIPCION"), QString());
  EXPECT_EQ(shown("?LIN:DESCRIPCION"), u"SINTETICO"_s);

  // The other controls of the form.
  EXPECT_EQ(child<QRadioButton>(form(), u"?TER:SISTEMA:1"_s)->text(), u"Mezcla"_s);
  EXPECT_EQ(child<QRadioButton>(form(), u"?TER:SISTEMA:2"_s)->text(), u"Entintado"_s);
  EXPECT_TRUE(child<QRadioButton>(form(), u"?TER:SISTEMA:1"_s)->isChecked());
  auto* sheet = child<QPlainTextEdit>(form(), u"?TER:FICHA_TECNICA"_s);
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(sheet->toolTip(), u"Datos tecnicos que pueda considerarse de utilidad"_s);
  EXPECT_EQ(child<QLabel>(form(), u"?TER:MARGENUTILIDAD:After"_s)->text(), u"%"_s);
  // Enter moves on to the next control.
  QLineEdit* code = entry("?TER:CODIGO");
  code->setFocus();
  press(code, Qt::Key_Return);
  EXPECT_TRUE(entry("?TER:DESCRIPCION")->hasFocus());
  click(form(), u"?OK"_s);
  EXPECT_EQ(form(), nullptr) << titles().join(u", ").toStdString();
  ContextGuard guard(context);
  EXPECT_EQ(column(*list, 3).value(1), u"SINTETICO"_s);
}
