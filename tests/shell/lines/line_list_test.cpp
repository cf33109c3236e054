// Child lines edited in place in a form and written with it in one transaction.
#include "shell/lines/line_list.h"
#include "tests/shell/browse/list_fixture.h"

#include <QTableView>

using namespace bv;
using namespace bv::test;

namespace {

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
    LineListDeclaration lines{
        .table = QStringLiteral("Formula2"),
        .heading = QStringLiteral("Componentes de la formula (Parte A)"),
        .columns = {code,
                    LineColumn::of(QStringLiteral("BAS:DESCRIPCION"), 100, QStringLiteral("Descripción"), QStringLiteral("s50")),
                    quantity},
        .joins = {{QStringLiteral("Basicos"), QStringLiteral("BAS:KEYCOD"),
                   {{QStringLiteral("FOR2:CODIGO_BASICO"), QStringLiteral("BAS:CODIGO")}}}},
    };
    return FormDeclaration{
        .procedure = QStringLiteral("TestUpdateFormula"),
        .caption = QStringLiteral("Update Formula1 File"),
        .table = QStringLiteral("Formula1"),
        .tabs = {{QStringLiteral("Formula de Producción"),
                  {FormField::entry(QStringLiteral("&Código formula:"), QStringLiteral("FOR1:CODIGO_FORMULA")),
                   FormField::entry(QStringLiteral("Observaciones:"), QStringLiteral("FOR1:OBSERVACIONES"))},
                  lines}},
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

class LineListTest : public ListTest {
 protected:
  LineListTest() {
    for (const char* code : {"B1", "B2", "B3"})
      add("Basicos", [&](Record& r) {
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
