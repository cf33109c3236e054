// The windows of label printing: the marking list (the question on opening,
// the mark buttons and column, moving between marks, the count edited in
// place) and the start window (the total, the sheet's rectangles, "Imprimir").
#include <QFrame>
#include <QMenu>
#include <QProgressBar>
#include <QTableView>

#include "printing/labels/label_start_window.h"
#include "printing/labels/marking_behaviour.h"
#include "printing/labels/marking_list.h"
#include "shell/globals.h"
#include "tests/shell/browse/list_fixture.h"

using namespace bv;
using namespace bv::test;
using namespace Qt::StringLiterals;

namespace {

class LabelWindowsTest : public ListTest {
 protected:
  // The orders name these products: a change of an order checks that its
  // product exists.
  void SetUp() override {
    for (const char* code : {"A", "B", "C", "D"})
      add("Terminado", [&](Record& r) { r.setText("TER:CODIGO", QString::fromLatin1(code)); });
  }
  ~LabelWindowsTest() override { glo().clear(); }
  RecordPosition order(int code, const char* product, int labels, bool marked) {
    return add("Produc01", [&](Record& r) {
      r.setDecimal("PRO1:CODIGO", code);
      r.setText("PRO1:CODIGO_TERMINADO", QString::fromLatin1(product));
      r.setText("PRO1:ESTADO", u"P"_s);
      r.setDecimal("PRO1:CANTIDAD_ETIQUETAS", labels);
      r.setText("PRO1:MARCA", marked ? u"I"_s : QString());
    });
  }
  QStringList storedMarks(const std::vector<RecordPosition>& at) {
    QStringList out;
    for (RecordPosition p : at) out << stored("Produc01", p)->text("PRO1:MARCA");
    return out;
  }
  ListWindow* marking() { return openList(labels::imprimirEtiquetas()); }
  int questions() const {
    int n = 0;
    for (const MessageBox& box : script.shown()) n += box.text() == u"¿Limpia la seleccion pre existente?";
    return n;
  }
};

TEST_F(LabelWindowsTest, EarlierMarksAreClearedOnlyWhenTheAnswerIsYes) {
  const std::vector<RecordPosition> at{order(1, "A", 1, true), order(2, "B", 1, false), order(3, "C", 1, true)};
  script.answer(u"&NO"_s);
  ASSERT_NE(marking(), nullptr);
  EXPECT_EQ(questions(), 1);
  EXPECT_EQ(storedMarks(at), (QStringList{u"I"_s, QString(), u"I"_s}));
  for (QMdiSubWindow* sub : area.subWindowList()) delete sub;

  script.answer(u"&SI"_s);
  ListWindow* list = marking();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(questions(), 2);
  EXPECT_EQ(storedMarks(at), (QStringList{QString(), QString(), QString()}));
  EXPECT_EQ(column(*list, labels::kMarkColumn), (QStringList{QString(), QString(), QString()}));
  for (QMdiSubWindow* sub : area.subWindowList()) delete sub;

  // Nothing marked: nothing asked.
  ASSERT_NE(marking(), nullptr);
  EXPECT_EQ(questions(), 2);
}

TEST_F(LabelWindowsTest, MarkAllThenFlipAllLeavesEveryOrderUnmarkedAndTheMarkColumnFlipsOne) {
  const std::vector<RecordPosition> at{order(1, "A", 1, false), order(2, "B", 1, false), order(3, "C", 1, false)};
  ListWindow* list = marking();
  ASSERT_NE(list, nullptr);
  click(list, u"?MarcaTodo"_s);
  EXPECT_EQ(storedMarks(at), (QStringList{u"I"_s, u"I"_s, u"I"_s}));
  EXPECT_EQ(column(*list, labels::kMarkColumn), (QStringList{u"*"_s, u"*"_s, u"*"_s}));
  click(list, u"?CambiaTodo"_s);
  EXPECT_EQ(storedMarks(at), (QStringList{QString(), QString(), QString()}));

  // A left click on the mark column of the second row flips its mark.
  QTableView* box = list->listBox();
  const QModelIndex cell = box->model()->index(1, labels::kMarkColumn);
  emit box->clicked(cell);
  testing_shell::settle();
  EXPECT_EQ(storedMarks(at), (QStringList{QString(), u"I"_s, QString()}));
  EXPECT_EQ(list->currentRow(), 1);
  // A click elsewhere only selects.
  emit box->clicked(box->model()->index(2, 1));
  testing_shell::settle();
  EXPECT_EQ(storedMarks(at), (QStringList{QString(), u"I"_s, QString()}));
  click(list, u"?Marca"_s);
  click(list, u"?Desmarca"_s);
  click(list, u"?Cambia"_s);
  EXPECT_EQ(storedMarks(at), (QStringList{QString(), u"I"_s, u"I"_s}));
}

TEST_F(LabelWindowsTest, PreviousAndNextMoveBetweenMarkedOrdersAndSayWhenThereIsNoneFurther) {
  order(1, "A", 1, true);
  order(2, "B", 1, false);
  order(3, "C", 1, false);
  order(4, "D", 1, true);
  script.answer(u"&NO"_s);
  ListWindow* list = marking();
  ASSERT_NE(list, nullptr);
  list->setCurrentRow(1);
  click(list, u"?Proximo"_s);
  EXPECT_EQ(list->rows()[static_cast<std::size_t>(list->currentRow())].primary().text("PRO1:CODIGO_TERMINADO"), u"D"_s);
  const std::size_t before = script.shown().size();
  click(list, u"?Proximo"_s);
  ASSERT_EQ(script.shown().size(), before + 1);
  EXPECT_EQ(script.shown().back().text(), u"No hay más registros marcados!"_s);
  EXPECT_EQ(list->rows()[static_cast<std::size_t>(list->currentRow())].primary().text("PRO1:CODIGO_TERMINADO"), u"D"_s);
  click(list, u"?Previo"_s);
  EXPECT_EQ(list->rows()[static_cast<std::size_t>(list->currentRow())].primary().text("PRO1:CODIGO_TERMINADO"), u"A"_s);
}

TEST_F(LabelWindowsTest, TheLabelCountIsWrittenAtOnceAndTheButtonsWaitForRows) {
  ListWindow* empty = marking();
  ASSERT_NE(empty, nullptr);
  for (const QString& name : {u"?Marca"_s, u"?MarcaTodo"_s, u"?Proximo"_s})
    EXPECT_FALSE(child<QPushButton>(empty, name)->isEnabled()) << name.toStdString();
  EXPECT_TRUE(child<QPushButton>(empty, u"?Continuar"_s)->isEnabled());
  // The buttons' images are the program's own.
  for (const labels::MarkEntry& e : labels::markEntries())
    EXPECT_FALSE(child<QPushButton>(empty, e.name)->icon().isNull()) << e.name.toStdString();
  for (QMdiSubWindow* sub : area.subWindowList()) delete sub;

  const RecordPosition at = order(1, "A", 1, false);
  ListWindow* list = marking();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->writeCell(labels::kCountColumn, u"4"_s), kLevelBenign);
  EXPECT_EQ(stored("Produc01", at)->decimal("PRO1:CANTIDAD_ETIQUETAS"), Decimal(4));
  EXPECT_EQ(column(*list, labels::kCountColumn), QStringList{u"4"_s});
  // No other column is written in place.
  EXPECT_NE(list->writeCell(1, u"7"_s), kLevelBenign);
}

TEST_F(LabelWindowsTest, ThePopupOffersTheCountAndTheMarksInThreeGroups) {
  order(1, "A", 1, false);
  ListWindow* list = marking();
  ASSERT_NE(list, nullptr);
  const std::unique_ptr<QMenu> menu = list->popupMenu();
  QStringList entries;
  for (QAction* a : menu->actions()) entries << (a->isSeparator() ? u"-"_s : a->text());
  const qsizetype own = entries.indexOf(u"&Editar cantidad"_s);
  ASSERT_GE(own, 1);
  EXPECT_EQ(entries.mid(own - 1),
            (QStringList{u"-"_s, u"&Editar cantidad"_s, u"-"_s, u"&Marca"_s, u"&Desmarca"_s, u"&Cambia"_s, u"-"_s,
                         u"Marca todo"_s, u"Desm todo"_s, u"Cambia todo"_s, u"-"_s, u"&Previo"_s, u"P&roximo"_s}));
  // An entry acts once the menu is done with, as the button does.
  menu->actions()[own + 2]->trigger();
  testing_shell::settle();
  EXPECT_EQ(column(*list, labels::kMarkColumn), QStringList{u"*"_s});
}

class LabelStartWindowTest : public LabelWindowsTest {
 protected:
  std::unique_ptr<LabelStartWindow> startWindow() {
    auto w = std::make_unique<LabelStartWindow>(files, context);
    w->setStarter([this](const QString& name) {
      started << name;
      return ContextId(7);
    });
    return w;
  }
  static QColor colourOf(LabelStartWindow& w, int k) {
    return w.findChild<QFrame*>(u"?Rectangulo%1"_s.arg(k))->palette().color(QPalette::Window);
  }
  QStringList started;
};

TEST_F(LabelStartWindowTest, TheRectanglesSetRowAndColumnAndOnlyTheChosenOneIsRed) {
  order(1, "A", 2, true);
  order(2, "B", 0, true);
  order(3, "C", 5, false);
  auto w = startWindow();
  EXPECT_EQ(w->findChild<QLabel*>(u"?LOC:TOTAL"_s)->text().trimmed(), u"3"_s);
  EXPECT_EQ(w->position(), (labels::SheetPosition{1, 1}));
  w->chooseRectangle(9);
  EXPECT_EQ(glo().FILA, Decimal(5));
  EXPECT_EQ(glo().COLUMNA, Decimal(1));
  EXPECT_EQ(w->findChild<QLineEdit*>(u"?GLO:FILA"_s)->text(), u"5"_s);
  for (int k = 1; k <= labels::kRectangles; ++k)
    EXPECT_EQ(colourOf(*w, k), k == 9 ? QColor(Qt::red) : QColor(Qt::white)) << k;
  w->chooseRectangle(16);
  EXPECT_EQ(w->position(), (labels::SheetPosition{8, 2}));
  EXPECT_EQ(colourOf(*w, 16), QColor(Qt::red));
  EXPECT_EQ(colourOf(*w, 9), QColor(Qt::white));
  // A typed position moves the red rectangle too.
  type(w->findChild<QLineEdit*>(u"?GLO:FILA"_s), u"2"_s);
  EXPECT_EQ(colourOf(*w, 4), QColor(Qt::red));
}

TEST_F(LabelStartWindowTest, PrintFillsTheWorkTableFromThePositionAndStartsTheSheet) {
  order(1, "A", 3, true);
  auto w = startWindow();
  w->chooseRectangle(6);  // row 3, right
  ASSERT_TRUE(w->print());
  EXPECT_EQ(started, QStringList{u"ImprimirEtiquetas2"_s});
  EXPECT_EQ(count("Etiquetas"), 4);
  EXPECT_EQ(w->findChild<QProgressBar*>(u"?Progreso"_s)->value(), 0);
  // A row typed past the sheet is not printed.
  w->findChild<QLineEdit*>(u"?GLO:FILA"_s)->setText(QString());
  glo().FILA = 0;
  EXPECT_FALSE(w->print());
  EXPECT_EQ(started.size(), 1);
}

}  // namespace
