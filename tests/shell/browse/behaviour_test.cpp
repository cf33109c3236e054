// What windows add to the framework: behaviour objects with working values,
// computed columns read through the row, colour marks, globals bound to
// entries, lists that start on a value, cells written in place, walking the
// view, popup entries and buttons of a window's own, and the same rows with
// and without a screen.
#include "shell/browse/list_output.h"
#include "shell/form/form_procedure.h"
#include "shell/globals.h"
#include "tests/shell/browse/list_fixture.h"
#include "tests/shell/browse/test_declarations.h"

#include <QMenu>
#include <QTableView>

using namespace bv;
using namespace bv::test;
using namespace Qt::StringLiterals;

namespace {

// Lines with a computed "Total" of their three discounts, known to filters.
ListDeclaration lineList() {
  return ListDeclaration{
      .procedure = u"TestBrowseLinea"_s,
      .caption = u"Tabla de Líneas"_s,
      .view = {.table = u"Linea"_s},
      .orders = {{u"Por Código"_s, u"LIN:KEYCOD"_s, ListLocator::positioning(u"&Codigo:"_s, u"LIN:CODIGO"_s, u"n3"_s)},
                 {u"Por Descripción"_s, u"LIN:KEYDES"_s,
                  ListLocator::contains(u"&Descripción:"_s, u"LIN:DESCRIPCION"_s, u"s30"_s)}},
      .columns = {ListColumn::of(u"LIN:CODIGO"_s, 24, u"Código"_s, u"n3"_s),
                  ListColumn::of(u"LIN:DESCRIPCION"_s, 80, u"Descripción"_s, u"s30"_s),
                  ListColumn::of(u"LIN:BONI1"_s, 30, u"Boni 1"_s, u"n-7.2"_s).editable(),
                  ListColumn::of(u"Total"_s, 30, u"Total"_s, u"n-9.2"_s)},
      .values = {{u"Total"_s, true,
                  [](const WindowFields& row) {
                    return FieldValue(row.number(u"LIN:BONI1"_s) + row.number(u"LIN:BONI2"_s) +
                                      row.number(u"LIN:BONI3"_s));
                  }}},
  };
}

// A form whose display "TOTAL" is a working value recomputed whenever an
// entry is accepted; "LOC:VECES" is an entry on a working value, "GLO:FILA"
// one on a global; a button of its own doubles the total; deleting is refused.
class LineFormBehaviour : public FormBehaviour {
 public:
  LineFormBehaviour() {
    values_.number(u"TOTAL"_s, 7, 2);
    values_.number(u"LOC:VECES"_s, 2, 0);
  }
  void refreshing(FormWindow& form, bool finalPass) override {
    const WindowFields& f = form.fields();
    const Decimal times = values_.decimal(u"LOC:VECES"_s).isZero() ? Decimal(1) : values_.decimal(u"LOC:VECES"_s);
    values_.set(u"TOTAL"_s, (f.number(u"LIN:BONI1"_s) + f.number(u"LIN:BONI2"_s)) * times);
    if (finalPass) ++finalPasses;
  }
  bool fieldAccepted(FormWindow& form, FieldControl& control) override {
    accepted << control.name();
    // The description must not be blank: the focus stays on it, marked.
    if (control.name() == u"LIN:DESCRIPCION" && form.fields().text(u"LIN:DESCRIPCION"_s).isEmpty()) {
      form.mark(control.name());
      return false;
    }
    form.unmark(control.name());
    return true;
  }
  bool deleting(FormWindow&) override { return false; }
  void buttonPressed(FormWindow& form, const QString& name) override {
    pressed << name;
    values_.set(u"LOC:VECES"_s, Decimal(2));
    form.refresh();
  }
  QStringList accepted;
  QStringList pressed;
  static inline int finalPasses = 0;
};

LineFormBehaviour* lastBehaviour = nullptr;

const FormDeclaration& lineForm() {
  static const FormDeclaration form{
      .procedure = u"TestUpdateLinea"_s,
      .caption = u"Update Linea File"_s,
      .table = u"Linea"_s,
      .tabs = {{u"General"_s,
                {FormField::entry(u"&Código:"_s, u"LIN:CODIGO"_s, u"n3"_s),
                 FormField::entry(u"&Descripción:"_s, u"LIN:DESCRIPCION"_s, u"s30"_s),
                 FormField::entry(u"Bonificación 1:"_s, u"LIN:BONI1"_s, u"n-7.2"_s),
                 FormField::entry(u"Bonificación 2:"_s, u"LIN:BONI2"_s, u"n-7.2"_s),
                 FormField::entry(u"Veces:"_s, u"LOC:VECES"_s, u"n2"_s),
                 FormField::entry(u"Fila:"_s, u"GLO:FILA"_s, u"n2"_s),
                 FormField::display(u"TOTAL"_s, u"n-9.2"_s)}}},
      .buttons = {{u"&Doble"_s, u"?Doble"_s, {}}},
      .behaviour =
          [] {
            auto b = std::make_unique<LineFormBehaviour>();
            lastBehaviour = b.get();
            return b;
          },
  };
  return form;
}

class BehaviourTest : public ListTest {
 protected:
  RecordPosition line(int code, const char* description, int boni1, int boni2 = 0) {
    return add("Linea", [&](Record& r) {
      r.setDecimal("LIN:CODIGO", code);
      r.setText("LIN:DESCRIPCION", QString::fromUtf8(description));
      r.setDecimal("LIN:BONI1", boni1);
      r.setDecimal("LIN:BONI2", boni2);
    });
  }
  FormWindow* form() { return open<FormWindow>(); }
  QLineEdit* entry(const QString& name) { return child<QLineEdit>(form(), name); }
  QString shown(const QString& name) {
    auto* w = child<QWidget>(form(), name);
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text().trimmed();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text().trimmed();
    return {};
  }
  // The window's rows through its own paging, all of them.
  QList<QStringList> windowRows(ListWindow& list) {
    QList<QStringList> out;
    list.walkView([&](const ListRow& row) {
      QStringList texts;
      for (const QString& t : row.texts) texts << t.trimmed();
      out << texts;
      return true;
    });
    return out;
  }
  QList<QStringList> headlessRows(const ListDeclaration& declaration, const ListOutputRequest& request) {
    ContextGuard guard(context);
    ListOutput output(declaration, files);
    QList<QStringList> out;
    EXPECT_EQ(output.run(request, [&](const QStringList& row) { out << row; }), 0);
    return out;
  }
};

}  // namespace

TEST_F(BehaviourTest, AComputedColumnReadsTheRowAndIsFilteredByNameTheSameWithAndWithoutAScreen) {
  line(1, "UNO", 10, 5);   // total 15
  line(2, "DOS", 1);       // total 1
  line(3, "TRES", 30, 1);  // total 31
  const ListDeclaration declaration = lineList();
  ListWindow* list = openList(declaration);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(column(*list, 3), (QStringList{u"15.00"_s, u"1.00"_s, u"31.00"_s}));

  // A query on the computed value, as query by example sets it.
  list->setFilter(ListReader::kQueryFilter, u"Total > 10"_s);
  EXPECT_EQ(column(*list, 1), (QStringList{u"UNO"_s, u"TRES"_s}));

  // Headless: the same rows, values and order, with the same query.
  ListOutputRequest request;
  request.query = u"Total > 10"_s;
  EXPECT_EQ(headlessRows(declaration, request), windowRows(*list));
  // A contains locator on the second tab narrows both alike.
  request = {.tab = 2, .locator = u"re"_s};
  const QList<QStringList> headless = headlessRows(declaration, request);
  ASSERT_EQ(headless.size(), 1);
  EXPECT_EQ(headless.front().value(1), u"TRES"_s);
  // Unknown tabs and queries are refused with a reason.
  ContextGuard guard(context);
  ListOutput output(declaration, files);
  QString problem;
  EXPECT_EQ(output.run({.tab = 3}, [](const QStringList&) {}, &problem), 1);
  EXPECT_FALSE(problem.isEmpty());
  EXPECT_EQ(output.run({.query = u"Nada >"_s}, [](const QStringList&) {}, &problem), 1);
}

TEST_F(BehaviourTest, AWorkingValueIsShownRecomputedAndBoundToEntriesLikeAFieldAndSoIsAGlobal) {
  const RecordPosition at = line(1, "UNO", 10, 5);
  ListDeclaration declaration = lineList();
  declaration.form = lineForm;
  ListWindow* list = openList(declaration);
  ASSERT_NE(list, nullptr);
  click(list, u"?Change"_s);
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(shown(u"?TOTAL"_s), u"15.00"_s);
  type(entry(u"?LIN:BONI2"_s), u"7"_s);
  EXPECT_EQ(shown(u"?TOTAL"_s), u"17.00"_s);
  EXPECT_TRUE(lastBehaviour->accepted.contains(u"LIN:BONI2"_s));
  // An entry on a working value feeds the computation.
  type(entry(u"?LOC:VECES"_s), u"3"_s);
  EXPECT_EQ(lastBehaviour->values().decimal(u"LOC:VECES"_s), Decimal(3));
  EXPECT_EQ(shown(u"?TOTAL"_s), u"51.00"_s);
  // A button of the form's own reaches its behaviour.
  click(form(), u"?Doble"_s);
  EXPECT_EQ(lastBehaviour->pressed, QStringList{u"?Doble"_s});
  EXPECT_EQ(shown(u"?TOTAL"_s), u"34.00"_s);
  // An entry on a global sets the global.
  glo().FILA = Decimal(0);
  type(entry(u"?GLO:FILA"_s), u"3"_s);
  EXPECT_EQ(glo().FILA, Decimal(3));
  // A working value too large for its places is refused with the range message.
  type(entry(u"?LOC:VECES"_s), u"12345"_s);
  EXPECT_TRUE(titles().contains(u"Error en Rango"_s));
  EXPECT_EQ(lastBehaviour->values().decimal(u"LOC:VECES"_s), Decimal(2));
  type(entry(u"?LOC:VECES"_s), u"2"_s);
  // OK runs the final pass once, then writes the record.
  LineFormBehaviour::finalPasses = 0;
  click(form(), u"?OK"_s);
  EXPECT_EQ(form(), nullptr);
  EXPECT_EQ(LineFormBehaviour::finalPasses, 1);
  EXPECT_EQ(stored("Linea", at)->decimal("LIN:BONI2"), Decimal(7));
  glo().clear();
}

TEST_F(BehaviourTest, AHookKeepsTheFocusWithAColourMarkThatGoesAwayWithItsEarlierColours) {
  line(1, "UNO", 10);
  ListDeclaration declaration = lineList();
  declaration.form = lineForm;
  ListWindow* list = openList(declaration);
  ASSERT_NE(list, nullptr);
  click(list, u"?Change"_s);
  QLineEdit* description = entry(u"?LIN:DESCRIPCION"_s);
  ASSERT_NE(description, nullptr);
  const QColor before = description->palette().color(QPalette::Text);
  type(description, QString());
  EXPECT_TRUE(form()->isMarked(u"LIN:DESCRIPCION"_s));
  EXPECT_EQ(description->palette().color(QPalette::Text), QColor(255, 0, 0));
  EXPECT_TRUE(description->hasFocus());
  type(description, u"OTRA"_s);
  EXPECT_FALSE(form()->isMarked(u"LIN:DESCRIPCION"_s));
  EXPECT_EQ(description->palette().color(QPalette::Text), before);
}

TEST_F(BehaviourTest, ADeletingHookRefusesTheDeleteAndTheRecordStays) {
  line(1, "UNO", 10);
  ListDeclaration declaration = lineList();
  declaration.form = lineForm;
  ListWindow* list = openList(declaration);
  ASSERT_NE(list, nullptr);
  click(list, u"?Delete"_s);
  EXPECT_EQ(count("Linea"), 1);
  EXPECT_FALSE(titles().contains(u"Confirmar Borrado"_s));
}

TEST_F(BehaviourTest, AFormStartedAsAnInsertPrimesItsRecordAndWritesIt) {
  line(1, "UNO", 10);
  ContextGuard guard(context);
  const WindowFactory factory = formWindow(lineForm, relations, kInsertRecord);
  std::unique_ptr<QWidget> window = factory(ProcedureStart{u"TestUpdateLinea"_s, context, &area});
  ASSERT_NE(window, nullptr);
  auto* f = qobject_cast<FormWindow*>(window.get());
  openChildWindow(area, std::move(window), u"TestUpdateLinea"_s);
  testing_shell::settle();
  EXPECT_EQ(f->windowTitle(), u"Agregando..."_s);
  EXPECT_EQ(entry(u"?LIN:CODIGO"_s)->text(), u"2"_s);
  type(entry(u"?LIN:DESCRIPCION"_s), u"DOS"_s);
  click(f, u"?OK"_s);
  EXPECT_EQ(count("Linea"), 2);
}

TEST_F(BehaviourTest, AListOpenedOnAValueStartsThereInTheOrderOfThatField) {
  for (int i = 1; i <= 40; ++i) line(i, QStringLiteral("L%1").arg(i, 2, 10, QChar(u'0')).toLatin1().constData(), 0);
  ContextGuard guard(context);
  setGlobalRequest(kSelectRecord);
  ListDeclaration declaration = lineList();
  std::swap(declaration.orders[0], declaration.orders[1]);  // the code is not the first tab
  std::unique_ptr<ListWindow> list = makeList(declaration, relations, ListStart{u"LIN:CODIGO"_s, Decimal(33)});
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->currentOrder(), 1);
  ASSERT_GE(list->currentRow(), 0);
  EXPECT_EQ(list->rows()[static_cast<std::size_t>(list->currentRow())].texts[0].trimmed(), u"33"_s);
}

TEST_F(BehaviourTest, ACellEditedInPlaceIsWrittenAtOnceAndARefusedValueWritesNothing) {
  const RecordPosition at = line(1, "UNO", 10);
  line(2, "DOS", 20);
  ListWindow* list = openList(lineList());
  ASSERT_NE(list, nullptr);
  list->setCurrentRow(0);
  EXPECT_EQ(list->writeCell(2, u"12.5"_s), 0);
  EXPECT_EQ(stored("Linea", at)->decimal("LIN:BONI1"), Decimal::parse(u"12.5"_s).value());
  EXPECT_EQ(column(*list, 2).front(), u"12.50"_s);
  EXPECT_EQ(column(*list, 3).front(), u"12.50"_s);  // the computed column follows
  EXPECT_NE(list->writeCell(2, u"abc"_s), 0);
  EXPECT_NE(list->writeCell(1, u"OTRO"_s), 0);  // not an editable column
  EXPECT_EQ(stored("Linea", at)->text("LIN:DESCRIPCION"), u"UNO"_s);
  // F2 opens the editor on the cell; Enter writes.
  press(list->listBox(), Qt::Key_F2);
  auto* editor = child<QLineEdit>(list, u"?ListEditor"_s);
  ASSERT_NE(editor, nullptr);
  editor->setText(u"3"_s);
  press(editor, Qt::Key_Return);
  EXPECT_EQ(stored("Linea", at)->decimal("LIN:BONI1"), Decimal(3));
}

TEST_F(BehaviourTest, WalkingTheViewAndFindingMarkedRowsGoBeyondThePageOnShow) {
  for (int i = 1; i <= 60; ++i) line(i, "L", i % 25 == 0 ? 99 : 0);
  ListWindow* list = openList(lineList());
  ASSERT_NE(list, nullptr);
  int seen = 0;
  list->walkView([&](const ListRow&) { return ++seen < 1000; });
  EXPECT_EQ(seen, 60);
  list->setCurrentRow(0);
  const auto marked = [](const WindowFields& row) { return row.number(u"LIN:BONI1"_s) == Decimal(99); };
  ASSERT_TRUE(list->findMarked(marked, true));
  EXPECT_EQ(list->rows()[static_cast<std::size_t>(list->currentRow())].texts[0].trimmed(), u"25"_s);
  ASSERT_TRUE(list->findMarked(marked, true));
  EXPECT_EQ(list->rows()[static_cast<std::size_t>(list->currentRow())].texts[0].trimmed(), u"50"_s);
  EXPECT_FALSE(list->findMarked(marked, true));
  ASSERT_TRUE(list->findMarked(marked, false));
  EXPECT_EQ(list->rows()[static_cast<std::size_t>(list->currentRow())].texts[0].trimmed(), u"25"_s);
}

namespace {
class PopupBehaviour : public ListBehaviour {
 public:
  std::vector<PopupEntry> popupEntries(ListWindow&) override {
    return {{u"&Marcar Todos"_s, [this](ListWindow&) { ++marked; }, true}};
  }
  void opening(ListWindow& list) override { list.withhold(ListAction::Delete); }
  int marked = 0;
};
}  // namespace

TEST_F(BehaviourTest, AListBehaviourAddsPopupEntriesWithholdsRequestsAndButtonsTakeTheirOwnTexts) {
  line(1, "UNO", 10);
  ListDeclaration declaration = lineList();
  declaration.form = lineForm;
  declaration.buttons.queryText = u"&Filtrar"_s;
  declaration.buttons.insertText = u"&Nueva Producción"_s;
  declaration.behaviour = [] { return std::make_unique<PopupBehaviour>(); };
  ListWindow* list = openList(declaration);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->button(ListAction::Query)->text(), u"&Filtrar"_s);
  EXPECT_EQ(list->button(ListAction::Insert)->text(), u"&Nueva Producción"_s);
  EXPECT_FALSE(list->isConnected(ListAction::Delete));
  EXPECT_TRUE(list->button(ListAction::Delete)->isHidden());
  std::unique_ptr<QMenu> menu = list->popupMenu();
  QAction* own = nullptr;
  for (QAction* a : menu->actions())
    if (a->text() == u"&Marcar Todos") own = a;
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(menu->actions().back(), own);
  own->trigger();
  testing_shell::settle();  // entries act once the menu is gone
  EXPECT_EQ(static_cast<PopupBehaviour&>(list->behaviour()).marked, 1);
}
