// Child lines edited in place in a form and written with it in one
// transaction: lines checked before it starts, failures that leave the form
// and the files as they were, further tables written by the hooks, blank lines
// left out, computed columns and the form's totals following the lines.
#include "shell/lines/line_list.h"
#include "tests/shell/browse/list_fixture.h"

#include <QTableView>
#include <map>

using namespace bv;
using namespace bv::test;
using namespace Qt::StringLiterals;

namespace {

// Passes every box on, noting its title and whether a transaction was running
// when it showed.
class WatchingPresenter : public MessagePresenter {
 public:
  WatchingPresenter(MessagePresenter& next, FileLayer& layer) : next_(next), layer_(layer) {}
  int present(const MessageBox& box) override {
    seen << box.title() + (layer_.inTransaction() ? u" (en transacción)"_s : QString());
    return next_.present(box);
  }
  QStringList seen;

 private:
  MessagePresenter& next_;
  FileLayer& layer_;
};

const ListDeclaration& basicList() {
  static const ListDeclaration list{
      .procedure = QStringLiteral("TestBrowseBasicos"),
      .caption = QStringLiteral("Tabla de Productos Básicos"),
      .view = {.table = QStringLiteral("Basicos")},
      .orders = {{QStringLiteral("Por Código"), QStringLiteral("BAS:KEYCOD"),
                  ListLocator::positioning(QStringLiteral("&Código:"), QStringLiteral("BAS:CODIGO"), QStringLiteral("s13"))}},
      .columns = {ListColumn::of(QStringLiteral("BAS:CODIGO"), 57, QStringLiteral("Código"), QStringLiteral("s13")),
                  ListColumn::of(QStringLiteral("BAS:DESCRIPCION"), 159, QStringLiteral("Descripción"), QStringLiteral("s50"))},
  };
  return list;
}

// New formulas start as not modifiable, as the formula form primes them.
class NewFormulasFixed : public FormBehaviour {
 public:
  void primed(FormWindow& form) override { form.primary().buffer().setText("FOR1:MODIFICABLE", "N"); }
};

const FormDeclaration& formulaForm() {
  static const FormDeclaration form = [] {
    LineColumn code = LineColumn::of(QStringLiteral("FOR2:CODIGO_BASICO"), 57, QStringLiteral("Código básico"),
                                     QStringLiteral("s13"))
                          .editedAs(CellEditor::Text);
    code.lookup = FormLookup{.key = QStringLiteral("BAS:KEYCOD"), .field = QStringLiteral("BAS:CODIGO"), .list = basicList};
    LineColumn quantity =
        LineColumn::of(QStringLiteral("FOR2:CANTIDAD"), 40, QStringLiteral("Cantidad"), QStringLiteral("n10.4"))
            .editedAs(CellEditor::Numeric)
            .aligned(ColumnAlign::Right);
    quantity.accepts = [](const FieldValue& v) { return !std::get<Decimal>(v).isZero(); };
    // Worked out per line from its joined record: a product gone from file says so.
    const LineColumn state = LineColumn::computed(100, u"Estado"_s, u"s30"_s, [](const Record& line, FileManagers& files) {
      if (files[u"Basicos"_s].buffer().text("BAS:CODIGO").isEmpty())
        return FieldValue(u"!!! CODIGO INEXISTENTE !!!"_s);
      return FieldValue(u"Ok "_s + line.text("FOR2:CODIGO_BASICO"));
    });
    LineListDeclaration lines{
        .table = QStringLiteral("Formula2"),
        .heading = QStringLiteral("Componentes de la formula (Parte A)"),
        .columns = {code,
                    LineColumn::of(QStringLiteral("BAS:DESCRIPCION"), 100, QStringLiteral("Descripción"), QStringLiteral("s50")),
                    quantity, state},
        .joins = {{QStringLiteral("Basicos"), QStringLiteral("BAS:KEYCOD"),
                   {{QStringLiteral("FOR2:CODIGO_BASICO"), QStringLiteral("BAS:CODIGO")}}}},
    };
    return FormDeclaration{
        .procedure = QStringLiteral("TestUpdateFormula"),
        .caption = QStringLiteral("Update Formula1 File"),
        .table = QStringLiteral("Formula1"),
        .tabs = {{QStringLiteral("Formula de Producción"),
                  {FormField::entry(QStringLiteral("&Código formula:"), QStringLiteral("FOR1:CODIGO_FORMULA")),
                   FormField::entry(QStringLiteral("Observaciones:"), QStringLiteral("FOR1:OBSERVACIONES")),
                   FormField::display(u"TOTAL"_s, u"n10.4"_s)},
                  lines}},
        .values = {{u"TOTAL"_s,
                    [](FormWindow& f) {
                      Decimal total;
                      for (const ChildLine& l : f.lineList()->lines()) total += l.record.decimal("FOR2:CANTIDAD");
                      return FieldValue(total);
                    }}},
        .behaviour = [] { return std::make_unique<NewFormulasFixed>(); },
    };
  }();
  return form;
}

const ListDeclaration& formulaList() {
  static const ListDeclaration list{
      .procedure = QStringLiteral("TestBrowseFormulas"),
      .caption = QStringLiteral("Formulas de Producción de Pinturas"),
      .view = {.table = QStringLiteral("Formula1")},
      .orders = {{QStringLiteral("Por Codigo de la Formula"), QStringLiteral("FOR1:KEYCOD"), {}}},
      .columns = {ListColumn::of(QStringLiteral("FOR1:CODIGO_FORMULA"), 40, QStringLiteral("Código formula"), QStringLiteral("n10"))},
      .form = formulaForm,
  };
  return list;
}

// A purchase voucher: each line added raises its product's stock inside the
// save, through the file managers the hooks are given; the hook refuses a
// line of more than 100.
const FormDeclaration& purchaseForm() {
  static const FormDeclaration form = [] {
    LineColumn code =
        LineColumn::of(u"COM2:CODIGO_BASICO"_s, 57, u"Codigo Basico"_s, u"s13"_s).editedAs(CellEditor::Text);
    code.lookup = FormLookup{.key = u"BAS:KEYCOD"_s, .field = u"BAS:CODIGO"_s, .list = basicList};
    LineListDeclaration lines{
        .table = u"Compra2"_s,
        .columns = {code, LineColumn::of(u"BAS:DESCRIPCION"_s, 100, u"Descripcion"_s, u"s50"_s),
                    LineColumn::of(u"COM2:CANTIDAD"_s, 40, u"Cantidad"_s, u"n10.4"_s).editedAs(CellEditor::Numeric)},
        .joins = {{u"Basicos"_s, u"BAS:KEYCOD"_s, {{u"COM2:CODIGO_BASICO"_s, u"BAS:CODIGO"_s}}}},
        .tables = {u"Basicos"_s},
    };
    lines.hooks.beforeAdd = [](const Record& line, FileManagers& files) {
      if (line.decimal("COM2:CANTIDAD") > Decimal(100)) {
        showMessage(u"Cantidad excesiva"_s, u"Compras"_s);
        return 5;
      }
      FileManager& bas = files[u"Basicos"_s];
      bas.buffer().setText("BAS:CODIGO", line.text("COM2:CODIGO_BASICO"));
      if (bas.fetch(bas.keyDef(u"BAS:KEYCOD")) != 0) return 0;
      bas.buffer().setDecimal("BAS:STOCK_RELATIVO",
                              bas.buffer().decimal("BAS:STOCK_RELATIVO") + line.decimal("COM2:CANTIDAD"));
      return bas.update();
    };
    return FormDeclaration{
        .procedure = u"TestUpdateCompras"_s,
        .caption = u"Comprobante de Ingreso de mercaderias basicas"_s,
        .table = u"Compra1"_s,
        .tabs = {{u"General"_s,
                  {FormField::entry(u"&Tipo de Comprobante:"_s, u"COM1:TIPO_DE_COMPROBANTE"_s),
                   FormField::entry(u"&Numero de Comprobante:"_s, u"COM1:COMPROBANTE"_s)},
                  lines}},
    };
  }();
  return form;
}

const ListDeclaration& purchaseList() {
  static const ListDeclaration list{
      .procedure = u"TestCompras"_s,
      .caption = u"Control de Ingreso de Mercaderias Básicas"_s,
      .view = {.table = u"Compra1"_s},
      .orders = {{u"Por Nro. de Comprobante"_s, u"COM1:KEYCOM"_s, {}}},
      .columns = {ListColumn::of(u"COM1:COMPROBANTE"_s, 40, u"Comprobante"_s, u"n08"_s)},
      .form = purchaseForm,
  };
  return list;
}

class LineListTest : public ListTest {
 protected:
  LineListTest() {
    for (const char* code : {"B1", "B2", "B3"})
      basics[code] = add("Basicos", [&](Record& r) {
        r.setText("BAS:CODIGO", code);
        r.setText("BAS:DESCRIPCION", QStringLiteral("Base %1").arg(QString::fromLatin1(code)));
        r.setText("BAS:MONEDA", "P");
      });
  }
  LineList* lines() { return open<FormWindow>() ? open<FormWindow>()->lineList() : nullptr; }
  QLineEdit* editor() { return lines() ? lines()->editor() : nullptr; }
  void typeInCell(const QString& text) {
    ASSERT_NE(editor(), nullptr);
    editor()->setText(text);
    press(editor(), Qt::Key_Return);
  }
  QStringList cells(int column) {
    QStringList out;
    QAbstractItemModel* m = lines()->table()->model();
    for (int r = 0; r < m->rowCount(); ++r) out << m->index(r, column).data().toString().trimmed();
    return out;
  }
  Decimal stock(const char* basic) { return stored("Basicos", basics.at(basic))->decimal("BAS:STOCK_RELATIVO"); }
  void formulaLine(int formula, const char* basic, int quantity) {
    add("Formula2", [&](Record& r) {
      r.setDecimal("FOR2:CODIGO_FORMULA", Decimal(formula));
      r.setText("FOR2:CODIGO_BASICO", basic);
      r.setDecimal("FOR2:CANTIDAD", Decimal(quantity));
    });
  }
  RecordPosition storedFormula(int code) {
    return add("Formula1", [&](Record& r) {
      r.setDecimal("FOR1:CODIGO_FORMULA", Decimal(code));
      r.setText("FOR1:MODIFICABLE", "S");
    });
  }
  void selectLine(int row) { lines()->table()->setCurrentIndex(lines()->table()->model()->index(row, 0)); }
  QString total() { return child<QLabel>(open<FormWindow>(), u"?TOTAL"_s)->text().trimmed(); }

  std::map<std::string, RecordPosition> basics;

  std::vector<Record> storedLines() {
    auto handle = layer->file(*Dictionary::instance().table(QStringLiteral("Formula2")));
    handle->open(kShareDenyNone);
    handle->setPosition(handle->table().key(QStringLiteral("FOR2:KEYCODBAS")), FileEdge::Start);
    std::vector<Record> out;
    Record r(handle->table());
    while (handle->next(r) == kFileOk) out.push_back(r);
    return out;
  }
};

}  // namespace

TEST_F(LineListTest, LinesEditedInPlaceAreWrittenWithTheHeaderAndARefusedValueKeepsTheCell) {
  ListWindow* list = openList(formulaList());
  ASSERT_NE(list, nullptr);
  click(list, "?Insert");
  ASSERT_NE(lines(), nullptr);
  EXPECT_NE(child<QLabel>(open<FormWindow>(), "?Lines:Heading"), nullptr);
  click(lines(), "?LineInsert");
  typeInCell(QStringLiteral("B2"));
  EXPECT_EQ(editor(), nullptr);
  EXPECT_EQ(cells(1), QStringList{QStringLiteral("Base B2")});
  lines()->editLine(2);
  typeInCell(QStringLiteral("0"));  // zero is refused: the editor stays on its cell
  ASSERT_NE(editor(), nullptr);
  typeInCell(QStringLiteral("abc"));
  ASSERT_NE(editor(), nullptr);
  typeInCell(QStringLiteral("10.5"));
  EXPECT_EQ(editor(), nullptr);
  EXPECT_EQ(cells(2), QStringList{QStringLiteral("10.5000")});
  click(lines(), "?LineInsert");
  typeInCell(QStringLiteral("B1"));
  lines()->editLine(2);
  typeInCell(QStringLiteral("2"));
  EXPECT_EQ(count("Formula2"), 0);  // nothing is written before the form is saved
  click(open<FormWindow>(), "?OK");
  EXPECT_EQ(open<FormWindow>(), nullptr);
  const std::vector<Record> stored = storedLines();
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[0].text("FOR2:CODIGO_BASICO"), QStringLiteral("B1"));
  EXPECT_EQ(stored[1].text("FOR2:CODIGO_BASICO"), QStringLiteral("B2"));
  EXPECT_EQ(stored[1].decimal("FOR2:CANTIDAD"), *Decimal::parse(QStringLiteral("10.5")));
  for (const Record& r : stored) EXPECT_EQ(r.decimal("FOR2:CODIGO_FORMULA"), Decimal(1));
  EXPECT_EQ(count("Formula1"), 1);

  // Change: one line removed, the other changed; both written at OK.
  click(list, "?Change");
  ASSERT_NE(lines(), nullptr);
  EXPECT_EQ(cells(0), (QStringList{"B2", "B1"}));  // in the order they were added
  lines()->table()->setCurrentIndex(lines()->table()->model()->index(0, 0));
  click(lines(), "?LineDelete");
  lines()->editLine(2);
  typeInCell(QStringLiteral("7"));
  click(open<FormWindow>(), "?OK");
  const std::vector<Record> after = storedLines();
  ASSERT_EQ(after.size(), 1u);
  EXPECT_EQ(after[0].text("FOR2:CODIGO_BASICO"), QStringLiteral("B1"));
  EXPECT_EQ(after[0].decimal("FOR2:CANTIDAD"), Decimal(7));
  EXPECT_TRUE(script.shown().empty());
}

TEST_F(LineListTest, ACodeNotOnFileOpensItsListAndCancellingKeepsTheEditorOnTheCell) {
  ListWindow* list = openList(formulaList());
  click(list, "?Insert");
  click(lines(), "?LineInsert");
  typeInCell(QStringLiteral("ZZ"));
  ListWindow* lookup = open<ListWindow>();
  ASSERT_NE(lookup, list);
  EXPECT_EQ(lookup->request(), kSelectRecord);
  click(lookup, "?Close");
  ASSERT_NE(editor(), nullptr);
  EXPECT_EQ(editor()->text(), QStringLiteral("ZZ"));
  typeInCell(QStringLiteral("ZZ"));
  lookup = open<ListWindow>();
  ASSERT_NE(lookup, list);
  {
    ContextGuard guard(context);
    lookup->setCurrentRow(2);
  }
  click(lookup, "?Select");
  EXPECT_EQ(editor(), nullptr);
  EXPECT_EQ(cells(0), QStringList{QStringLiteral("B3")});
  EXPECT_EQ(cells(1), QStringList{QStringLiteral("Base B3")});
  // A line added makes the record changed: cancel asks first.
  script.answer(QStringLiteral("&NO"));
  click(open<FormWindow>(), "?Cancel");
  EXPECT_EQ(titles(), QStringList{QStringLiteral("Guardar Registro")});
  EXPECT_EQ(count("Formula2"), 0);
  EXPECT_EQ(count("Formula1"), 0);
}

TEST_F(LineListTest, ABadLineIsShownWithItsMessageAndNothingIsWritten) {
  const RecordPosition formula = storedFormula(1);
  formulaLine(1, "B1", 1);
  formulaLine(1, "B2", 2);
  ListWindow* list = openList(formulaList());
  click(list, "?Change");
  ASSERT_NE(lines(), nullptr);
  type(child<QLineEdit>(open<FormWindow>(), u"?FOR1:OBSERVACIONES"_s), u"NUEVA"_s);
  {
    // The window's own code puts a line in (a production loads its formula)
    // whose product is not on file.
    ContextGuard guard(context);
    ChildLine bad{Record(files[u"Formula2"_s].table()), 0};
    bad.record.setText("FOR2:CODIGO_BASICO", "ZZ");
    bad.record.setDecimal("FOR2:CANTIDAD", Decimal(3));
    lines()->lines().insert(lines()->lines().begin() + 1, bad);
    lines()->refresh();
  }
  selectLine(0);
  WatchingPresenter watching(script, *layer);
  PresenterScope scope(watching);
  click(open<FormWindow>(), "?OK");
  EXPECT_EQ(watching.seen, QStringList{u"Error en Contenido de campo"_s});
  ASSERT_NE(open<FormWindow>(), nullptr);
  EXPECT_EQ(lines()->currentLine(), 1);
  EXPECT_EQ(lines()->table()->currentIndex().column(), 0);
  EXPECT_EQ(cells(0), (QStringList{"B1", "ZZ", "B2"}));
  EXPECT_EQ(stored("Formula1", formula)->text("FOR1:OBSERVACIONES"), QString());
  EXPECT_EQ(storedLines().size(), 2u);

  // Without it the save goes through.
  click(lines(), "?LineDelete");
  click(open<FormWindow>(), "?OK");
  EXPECT_EQ(open<FormWindow>(), nullptr);
  EXPECT_EQ(stored("Formula1", formula)->text("FOR1:OBSERVACIONES"), u"NUEVA"_s);
  EXPECT_EQ(storedLines().size(), 2u);
  EXPECT_EQ(watching.seen.size(), 1);
}

TEST_F(LineListTest, AFailureInsideTheSaveLeavesTheFormItsLinesAndEveryTableAsTheyWere) {
  ListWindow* list = openList(purchaseList());
  click(list, "?Insert");
  FormWindow* form = open<FormWindow>();
  ASSERT_NE(lines(), nullptr);
  type(child<QLineEdit>(form, u"?COM1:TIPO_DE_COMPROBANTE"_s), u"FA"_s);
  type(child<QLineEdit>(form, u"?COM1:COMPROBANTE"_s), u"7"_s);
  click(lines(), "?LineInsert");
  typeInCell(u"B1"_s);
  lines()->editLine(2);
  typeInCell(u"5"_s);
  click(lines(), "?LineInsert");
  typeInCell(u"B2"_s);
  lines()->editLine(2);
  typeInCell(u"500"_s);  // the hook refuses it, after B1's stock moved
  click(lines(), "?LineInsert");
  press(editor(), Qt::Key_Escape);  // added and never filled in
  ASSERT_EQ(lines()->lines().size(), 3u);

  WatchingPresenter watching(script, *layer);
  PresenterScope scope(watching);
  click(form, "?OK");
  EXPECT_EQ(watching.seen, QStringList{u"Compras"_s});  // after the rollback
  ASSERT_EQ(open<FormWindow>(), form);
  ASSERT_EQ(lines()->lines().size(), 3u);
  for (const ChildLine& l : lines()->lines()) EXPECT_EQ(l.position, 0);
  EXPECT_EQ(count("Compra1"), 0);
  EXPECT_EQ(count("Compra2"), 0);
  EXPECT_EQ(stock("B1"), Decimal(0));

  // Mended and saved again: every line is added once, the blank one not at all.
  selectLine(1);
  lines()->editLine(2);
  typeInCell(u"50"_s);
  click(form, "?OK");
  EXPECT_EQ(open<FormWindow>(), nullptr);
  EXPECT_EQ(count("Compra1"), 1);
  EXPECT_EQ(count("Compra2"), 2);
  EXPECT_EQ(stock("B1"), Decimal(5));
  EXPECT_EQ(stock("B2"), Decimal(50));
  EXPECT_EQ(stock("B3"), Decimal(0));
  EXPECT_EQ(watching.seen.size(), 1);
}

TEST_F(LineListTest, ALineAddedAndNeverFilledInIsNoChangeToAskAbout) {
  ListWindow* list = openList(purchaseList());
  click(list, "?Insert");
  FormWindow* form = open<FormWindow>();
  ASSERT_NE(lines(), nullptr);
  click(lines(), "?LineInsert");
  press(editor(), Qt::Key_Escape);
  ASSERT_EQ(lines()->lines().size(), 1u);
  click(form, "?Cancel");
  EXPECT_EQ(open<FormWindow>(), nullptr);
  EXPECT_FALSE(titles().contains(u"Guardar Registro"_s));
  EXPECT_EQ(count("Compra1"), 0);
}

TEST_F(LineListTest, AComputedColumnAndTheFormsTotalsFollowTheLines) {
  storedFormula(1);
  formulaLine(1, "B1", 1);
  formulaLine(1, "GONE", 2);
  ListWindow* list = openList(formulaList());
  click(list, "?Change");
  ASSERT_NE(lines(), nullptr);
  EXPECT_EQ(cells(3), (QStringList{u"Ok B1"_s, u"!!! CODIGO INEXISTENTE !!!"_s}));
  EXPECT_EQ(total(), u"3.0000"_s);
  selectLine(1);
  click(lines(), "?LineDelete");
  EXPECT_EQ(total(), u"1.0000"_s);
  click(lines(), "?LineInsert");
  typeInCell(u"B2"_s);
  EXPECT_EQ(cells(3), (QStringList{u"Ok B1"_s, u"Ok B2"_s}));
  lines()->editLine(2);
  typeInCell(u"4"_s);
  EXPECT_EQ(total(), u"5.0000"_s);
  selectLine(0);
  lines()->editLine(2);
  typeInCell(u"10"_s);
  EXPECT_EQ(total(), u"14.0000"_s);
}
