// The formula windows: the specific weight worked out through the form's
// button and again on save, the rule that refuses a formula the station may
// not change, the mark of formulas made on the form, the read-only list whose
// costing button still works, and header and lines written together.
#include "production/formulas/formulas_behaviour.h"
#include "production/formulas/formulas_windows.h"
#include "runtime/date_time.h"
#include "shell/globals.h"
#include "shell/lines/line_list.h"
#include "tests/shell/browse/list_fixture.h"

#include <QTableView>

using namespace bv;
using namespace bv::test;
using namespace Qt::StringLiterals;

namespace {

Decimal dec(const char* text) { return Decimal::parse(QString::fromLatin1(text)).value(); }

class FormulasTest : public ListTest {
 protected:
  FormulasTest() {
    glo().ModificaFormulas = u"S"_s;
    Clock::fix(Date::fromYmd(2026, 3, 9));
    basic("B1", "BASE BLANCA", "1.0");
    basic("B2", "ENTONADOR ROJO", "2.0");
    add("Terminado", [](Record& r) {
      r.setText("TER:CODIGO", "T1");
      r.setText("TER:DESCRIPCION", "ESMALTE ROJO");
    });
  }
  ~FormulasTest() override {
    glo().clear();
    Clock::clear();
  }

  void basic(const char* code, const char* description, const char* density) {
    add("Basicos", [&](Record& r) {
      r.setText("BAS:CODIGO", code);
      r.setText("BAS:DESCRIPCION", description);
      r.setDecimal("BAS:PESO_ESPECIFICO", dec(density));
      r.setText("BAS:MONEDA", "P");
    });
  }
  RecordPosition formula(int code, const char* modifiable) {
    return add("Formula1", [&](Record& r) {
      r.setDecimal("FOR1:CODIGO_FORMULA", Decimal(code));
      r.setText("FOR1:CODIGO_TERMINADO", "T1");
      r.setText("FOR1:MODIFICABLE", modifiable);
    });
  }
  void line(int formula, const char* basic, const char* quantity) {
    add("Formula2", [&](Record& r) {
      r.setDecimal("FOR2:CODIGO_FORMULA", Decimal(formula));
      r.setText("FOR2:CODIGO_BASICO", basic);
      r.setDecimal("FOR2:CANTIDAD", dec(quantity));
    });
  }
  std::vector<Record> storedLines() {
    auto handle = layer->file(*Dictionary::instance().table(u"Formula2"_s));
    handle->open(kShareDenyNone);
    handle->setPosition(handle->table().key(u"FOR2:KEYCOD"_s), FileEdge::Start);
    std::vector<Record> out;
    Record r(handle->table());
    while (handle->next(r) == kFileOk) out.push_back(r);
    return out;
  }
  FormWindow* form() { return open<FormWindow>(); }
  // A field of the form's record as its buffer holds it.
  FieldValue header(const char* field) {
    ContextGuard guard(form()->context());
    return form()->primary().buffer().value(QString::fromLatin1(field));
  }
  LineList* lines() { return form() ? form()->lineList() : nullptr; }
  QString label(const QString& name) {
    auto* l = child<QLabel>(form(), name);
    return l ? l->text().trimmed() : u"(none)"_s;
  }
  QStringList cells(int column) {
    QStringList out;
    QAbstractItemModel* m = lines()->table()->model();
    for (int r = 0; r < m->rowCount(); ++r) out << m->index(r, column).data().toString().trimmed();
    return out;
  }
  void typeInCell(const QString& text) {
    ASSERT_NE(lines()->editor(), nullptr);
    lines()->editor()->setText(text);
    press(lines()->editor(), Qt::Key_Return);
  }
  // Opens the form on the list's only formula.
  ListWindow* changeFormula() {
    ListWindow* list = openList(formulas::browseFormulas());
    EXPECT_NE(list, nullptr);
    if (!list) return nullptr;
    click(list, "?Change");
    EXPECT_NE(lines(), nullptr);
    return list;
  }
};

TEST(FormulaChangeRule, TheFormulasOwnMarkOrTheStationsSwitchLetsItBeChanged) {
  glo().ModificaFormulas = u"N"_s;
  EXPECT_TRUE(formulas::formulaChangesAllowed(u"S"_s));
  EXPECT_FALSE(formulas::formulaChangesAllowed(u"N"_s));
  EXPECT_FALSE(formulas::formulaChangesAllowed(u" "_s));
  glo().ModificaFormulas = u"S"_s;
  EXPECT_TRUE(formulas::formulaChangesAllowed(u"N"_s));
  glo().clear();
}

TEST_F(FormulasTest, TheWeightButtonWorksOutVolumesTotalsAndSpecificWeightAndTheSaveKeepsThem) {
  const RecordPosition at = formula(1, "S");
  line(1, "B1", "10");
  line(1, "B2", "10");
  changeFormula();
  ASSERT_NE(lines(), nullptr);
  EXPECT_EQ(label(u"?TOTAL"_s), u"20.0000"_s);
  EXPECT_EQ(label(u"?TER:DESCRIPCION"_s), u"ESMALTE ROJO"_s);
  click(form(), QString::fromLatin1(formulas::kWeightButton));
  EXPECT_EQ(cells(4), (QStringList{u"10.00"_s, u"5.00"_s}));
  EXPECT_EQ(label(u"?VOLTOT"_s), u"15.00"_s);
  EXPECT_EQ(label(u"?FOR1:PESO_ESPECIFICO"_s), u"1.3333"_s);
  EXPECT_EQ(std::get<Decimal>(header("FOR1:PESO_ESPECIFICO")), dec("1.3333"));

  // A quantity changed after the button: the save works it out again first.
  lines()->table()->setCurrentIndex(lines()->table()->model()->index(1, 0));
  lines()->editLine(3);
  typeInCell(u"20"_s);
  click(form(), u"?OK"_s);
  EXPECT_EQ(form(), nullptr);
  const std::optional<Record> header = stored("Formula1", at);
  ASSERT_TRUE(header);
  EXPECT_EQ(header->decimal("FOR1:PESO_ESPECIFICO"), dec("1.5000"));  // 30 / 20
  EXPECT_EQ(header->date("FOR1:FECHA"), Clock::today());
  const std::vector<Record> stored = storedLines();
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[0].decimal("FOR2:VOLUMEN"), dec("10.00"));
  EXPECT_EQ(stored[1].decimal("FOR2:VOLUMEN"), dec("10.00"));
}

TEST_F(FormulasTest, AFormulaTheStationMayNotChangeIsRefusedWithTheMessageAndNothingWritten) {
  const RecordPosition fixed = formula(1, "N");
  line(1, "B1", "10");
  changeFormula();
  ASSERT_NE(lines(), nullptr);
  type(child<QLineEdit>(form(), u"?FOR1:OBSERVACIONES"_s), u"CAMBIADA"_s);
  // The switch goes off while the list is open.
  glo().ModificaFormulas = u"N"_s;
  click(form(), u"?OK"_s);
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(script.shown()[0].text(), u"Usted no tiene acceso a modificar esta formula"_s);
  EXPECT_EQ(script.shown()[0].title(), u"Control de operaciones"_s);
  EXPECT_NE(form(), nullptr);
  EXPECT_EQ(stored("Formula1", fixed)->text("FOR1:OBSERVACIONES"), QString());
  EXPECT_TRUE(stored("Formula1", fixed)->date("FOR1:FECHA").isNull());
  EXPECT_EQ(storedLines()[0].decimal("FOR2:VOLUMEN"), Decimal(0));
}

TEST_F(FormulasTest, AModifiableFormulaIsSavedWithoutTheSwitch) {
  const RecordPosition open = formula(1, "S");
  ListWindow* list = changeFormula();
  ASSERT_NE(list, nullptr);
  glo().ModificaFormulas = u"N"_s;
  type(child<QLineEdit>(form(), u"?FOR1:OBSERVACIONES"_s), u"CAMBIADA"_s);
  click(form(), u"?OK"_s);
  EXPECT_EQ(form(), nullptr);
  EXPECT_TRUE(script.shown().empty());
  EXPECT_EQ(stored("Formula1", open)->text("FOR1:OBSERVACIONES"), u"CAMBIADA"_s);
}

TEST_F(FormulasTest, ANewFormulaIsWrittenWithItsLinesAndShowsTheMarkInColumnM) {
  ListWindow* list = openList(formulas::browseFormulas());
  ASSERT_NE(list, nullptr);
  click(list, "?Insert");
  ASSERT_NE(lines(), nullptr);
  EXPECT_EQ(std::get<Date>(header("FOR1:FECHA")), Clock::today());
  type(child<QLineEdit>(form(), u"?FOR1:CODIGO_TERMINADO"_s), u"T1"_s);
  EXPECT_EQ(label(u"?TER:DESCRIPCION"_s), u"ESMALTE ROJO"_s);
  click(lines(), "?LineInsert");
  typeInCell(u"B2"_s);
  lines()->editLine(3);
  typeInCell(u"4"_s);
  click(lines(), "?LineInsert");
  typeInCell(u"B1"_s);
  lines()->editLine(3);
  typeInCell(u"6"_s);
  EXPECT_EQ(label(u"?TOTAL"_s), u"10.0000"_s);
  EXPECT_EQ(count("Formula2"), 0);
  click(form(), u"?OK"_s);
  EXPECT_EQ(form(), nullptr);
  EXPECT_EQ(count("Formula1"), 1);
  const std::vector<Record> stored = storedLines();
  ASSERT_EQ(stored.size(), 2u);
  for (const Record& r : stored) EXPECT_EQ(r.decimal("FOR2:CODIGO_FORMULA"), Decimal(1));
  EXPECT_EQ(stored[0].decimal("FOR2:VOLUMEN") + stored[1].decimal("FOR2:VOLUMEN"), dec("8.00"));  // 6 + 4/2
  ASSERT_EQ(list->rows().size(), 1u);
  EXPECT_EQ(list->rows()[0].icons.value(0), u"~bravent.ico"_s);
  EXPECT_EQ(column(*list, 3), QStringList{u"ESMALTE ROJO"_s});
}

TEST_F(FormulasTest, ALineWhoseProductIsGoneStopsTheSaveOfHeaderAndLinesAlike) {
  ListWindow* list = openList(formulas::browseFormulas());
  ASSERT_NE(list, nullptr);
  click(list, "?Insert");
  ASSERT_NE(lines(), nullptr);
  click(lines(), "?LineInsert");
  typeInCell(u"B1"_s);
  lines()->editLine(3);
  typeInCell(u"6"_s);
  {
    ContextGuard guard(context);
    ChildLine gone{Record(files[u"Formula2"_s].table()), 0};
    gone.record.setText("FOR2:CODIGO_BASICO", "ZZ");
    gone.record.setDecimal("FOR2:CANTIDAD", Decimal(3));
    lines()->lines().push_back(gone);
    lines()->refresh();
  }
  click(form(), u"?OK"_s);
  EXPECT_NE(form(), nullptr);
  EXPECT_EQ(count("Formula1"), 0);
  EXPECT_EQ(count("Formula2"), 0);
}

TEST_F(FormulasTest, WithoutTheSwitchTheListIsReadOnlyAndStillCostsTheCurrentFormula) {
  formula(7, "S");
  glo().ModificaFormulas = u"N"_s;
  ListWindow* list = openList(formulas::browseFormulas());
  ASSERT_NE(list, nullptr);
  for (ListAction a : {ListAction::Insert, ListAction::Change, ListAction::Delete}) {
    EXPECT_FALSE(list->isConnected(a));
    EXPECT_TRUE(list->button(a)->isHidden());
  }
  emit list->listBox()->doubleClicked(list->listBox()->model()->index(0, 1));
  testing_shell::settle();
  EXPECT_EQ(form(), nullptr);
  EXPECT_TRUE(list->rows()[0].icons.value(0).isEmpty());  // a modifiable formula bears no mark
  click(list, "?CostoFormula");
  EXPECT_EQ(glo().Formula, Decimal(7));
}

}  // namespace
