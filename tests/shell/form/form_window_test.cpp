// The update form called from its list: insert, change, delete, cancel, the
// history key, lookups, other stations' changes and the frame's toolbar.
#include "tests/shell/browse/list_fixture.h"
#include "tests/shell/browse/test_declarations.h"
#include "shell/frame/about_window.h"
#include "shell/message_window.h"

#include <QHeaderView>
#include <QMenu>
#include <QTableView>

using namespace bv;
using namespace bv::test;
using namespace Qt::StringLiterals;

namespace {

class FormTest : public ListTest {
 protected:
  ListWindow* brands() {
    ListWindow* list = openList(brandList());
    EXPECT_NE(list, nullptr);
    return list;
  }
  FormWindow* form() { return open<FormWindow>(); }
  QLineEdit* entry(const char* name) { return child<QLineEdit>(form(), QString::fromLatin1(name)); }
  QString current(ListWindow* list, int column = 1) {
    return list->rows().at(static_cast<std::size_t>(list->currentRow())).texts[column].trimmed();
  }
};

}  // namespace

TEST_F(FormTest, InsertPrimesANumberShowsTheFormAndPositionsTheListOnTheNewRecord) {
  brand(1, "AZUL");
  brand(2, "VERDE");
  ListWindow* list = brands();
  click(list, "?Insert");
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(form()->windowTitle(), QStringLiteral("Agregando..."));
  EXPECT_FALSE(frameOf(list)->isEnabled());
  EXPECT_EQ(entry("?MAR:CODIGO")->text(), QStringLiteral("3"));  // the next number, reserved
  type(entry("?MAR:DESCRIPCION"), QStringLiteral("ROJO"));
  click(form(), "?OK");
  EXPECT_EQ(form(), nullptr);
  EXPECT_TRUE(frameOf(list)->isEnabled());
  EXPECT_EQ(count("Marca"), 3);
  EXPECT_EQ(current(list), QStringLiteral("ROJO"));
  EXPECT_TRUE(script.shown().empty());
}

TEST_F(FormTest, CancelOnAnUntouchedInsertClosesWithoutAQuestionAndGivesTheNumberBack) {
  brand(1, "AZUL");
  ListWindow* list = brands();
  click(list, "?Insert");
  ASSERT_NE(form(), nullptr);
  click(form(), "?Cancel");
  EXPECT_EQ(form(), nullptr);
  EXPECT_TRUE(script.shown().empty());
  EXPECT_EQ(count("Marca"), 1);
  // The placeholder is gone: the next insert reserves the same number.
  click(list, "?Insert");
  EXPECT_EQ(entry("?MAR:CODIGO")->text(), QStringLiteral("2"));
  click(form(), "?Cancel");
}

TEST_F(FormTest, CancelAfterTypingAsksToSaveAndEachAnswerDoesWhatItSays) {
  brand(1, "AZUL");
  ListWindow* list = brands();
  click(list, "?Insert");
  // One character typed, not even accepted yet.
  entry("?MAR:DESCRIPCION")->setText(QStringLiteral("R"));
  entry("?MAR:DESCRIPCION")->setModified(true);
  script.answer(QStringLiteral("Cancelar"));
  click(form(), "?Cancel");
  EXPECT_EQ(titles(), QStringList{QStringLiteral("Guardar Registro")});
  ASSERT_NE(form(), nullptr);  // back to the form
  script.answer(QStringLiteral("&NO"));
  click(form(), "?Cancel");
  EXPECT_EQ(form(), nullptr);
  EXPECT_EQ(count("Marca"), 1);

  click(list, "?Insert");
  type(entry("?MAR:DESCRIPCION"), QStringLiteral("ROJO"));
  script.answer(QStringLiteral("&SI"));
  click(form(), "?Cancel");
  EXPECT_EQ(form(), nullptr);
  EXPECT_EQ(count("Marca"), 2);
  EXPECT_EQ(current(list), QStringLiteral("ROJO"));
}

TEST_F(FormTest, OkOnAnUnchangedRecordClosesWithoutWriting) {
  const RecordPosition at = brand(1, "AZUL");
  ListWindow* list = brands();
  click(list, "?Change");
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(form()->windowTitle(), QStringLiteral("Editando..."));
  EXPECT_EQ(entry("?MAR:DESCRIPCION")->text(), QStringLiteral("AZUL"));
  // Had the form written, the other station's change would make it refuse.
  otherStationChanges("Marca", at, [](Record& r) { r.setText("MAR:DESCRIPCION", "CELESTE"); });
  click(form(), "?OK");
  EXPECT_EQ(form(), nullptr);
  EXPECT_TRUE(script.shown().empty());
  EXPECT_EQ(stored("Marca", at)->text("MAR:DESCRIPCION"), QStringLiteral("CELESTE"));
  EXPECT_EQ(current(list), QStringLiteral("CELESTE"));
}

TEST_F(FormTest, AChangeOverAnotherStationsChangeIsRefusedShowsTheirValuesAndTheHistoryKeyBringsOursBack) {
  const RecordPosition at = brand(1, "AZUL");
  ListWindow* list = brands();
  click(list, "?Change");
  type(entry("?MAR:DESCRIPCION"), QStringLiteral("MARINO"));
  otherStationChanges("Marca", at, [](Record& r) { r.setText("MAR:DESCRIPCION", "CELESTE"); });
  click(form(), "?OK");
  EXPECT_EQ(titles(), QStringList{QStringLiteral("Registro no Actualizado")});
  EXPECT_TRUE(script.shown().back().text().contains(QStringLiteral("Ctrl+'")));
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(entry("?MAR:DESCRIPCION")->text(), QStringLiteral("CELESTE"));
  EXPECT_EQ(stored("Marca", at)->text("MAR:DESCRIPCION"), QStringLiteral("CELESTE"));
  press(entry("?MAR:DESCRIPCION"), Qt::Key_Apostrophe, Qt::ControlModifier);
  EXPECT_EQ(entry("?MAR:DESCRIPCION")->text(), QStringLiteral("MARINO"));
  // The record read again is the one now watched: this write goes through.
  click(form(), "?OK");
  EXPECT_EQ(form(), nullptr);
  EXPECT_EQ(stored("Marca", at)->text("MAR:DESCRIPCION"), QStringLiteral("MARINO"));
  EXPECT_EQ(current(list), QStringLiteral("MARINO"));
}

TEST_F(FormTest, TheHistoryKeyRecallsWhatTheLastOkSavedInThisForm) {
  brand(1, "AZUL");
  ListWindow* list = brands();
  click(list, "?Insert");
  type(entry("?MAR:DESCRIPCION"), QStringLiteral("ROJO FUEGO"));
  click(form(), "?OK");
  click(list, "?Insert");
  EXPECT_TRUE(entry("?MAR:DESCRIPCION")->text().isEmpty());
  press(entry("?MAR:DESCRIPCION"), Qt::Key_Apostrophe, Qt::ControlModifier);
  EXPECT_EQ(entry("?MAR:DESCRIPCION")->text(), QStringLiteral("ROJO FUEGO"));
  // The code is a history field too; the toolbar's history button does the same.
  entry("?MAR:CODIGO")->setFocus();
  ASSERT_TRUE(form()->takesToolbarAction(ToolbarAction::History));
  form()->toolbarAction(ToolbarAction::History);
  EXPECT_EQ(entry("?MAR:CODIGO")->text(), QStringLiteral("2"));
  script.answer(QStringLiteral("&NO"));
  click(form(), "?Cancel");
}

TEST_F(FormTest, DeleteAsksForConfirmationNeverShowsTheFormAndMovesToTheNeighbour) {
  brand(1, "AZUL");
  brand(2, "ROJO");
  brand(3, "VERDE");
  ListWindow* list = brands();
  {
    ContextGuard guard(context);
    list->setCurrentRow(1);
  }
  script.answer(QStringLiteral("&NO"));
  click(list, "?Delete");
  EXPECT_EQ(titles(), QStringList{QStringLiteral("Confirmar Borrado")});
  EXPECT_EQ(count("Marca"), 3);
  script.answer(QStringLiteral("&SI"));
  click(list, "?Delete");
  EXPECT_EQ(openCount<FormWindow>(), 0);
  EXPECT_EQ(count("Marca"), 2);
  EXPECT_EQ(column(*list, 1), (QStringList{"AZUL", "VERDE"}));
  EXPECT_EQ(current(list), QStringLiteral("VERDE"));
}

TEST_F(FormTest, ANumberEntryTakesOnlyWhatItCanReadAndRefusesTheRestWithAMessage) {
  brand(1, "AZUL");
  ListWindow* list = brands();
  click(list, "?Change");
  QLineEdit* code = entry("?MAR:CODIGO");
  code->setFocus();
  code->selectAll();
  const std::pair<int, QString> keys[] = {{Qt::Key_A, u"a"_s},      {Qt::Key_1, u"1"_s},      {Qt::Key_Comma, u","_s},
                                          {Qt::Key_2, u"2"_s},      {Qt::Key_Period, u"."_s}, {Qt::Key_Minus, u"-"_s}};
  for (const auto& [key, text] : keys) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(code, &down);
  }
  EXPECT_EQ(code->text(), u"12"_s);

  // Text that still cannot be read (pasted) is refused with a message, selected.
  type(code, u"12,5"_s);
  EXPECT_EQ(titles(), QStringList{u"Error en Valor"_s});
  EXPECT_TRUE(script.shown().back().text().contains(u"MAR:"_s, Qt::CaseInsensitive));
  EXPECT_TRUE(code->hasFocus());
  EXPECT_EQ(code->selectedText(), u"12,5"_s);
  // A number too large for the field is refused with its limit, selected too.
  type(code, u"1000"_s);
  EXPECT_EQ(titles().value(1), u"Error en Rango"_s);
  EXPECT_EQ(code->selectedText(), u"1000"_s);
  // OK never passes silently over text it cannot store.
  click(form(), "?OK");
  EXPECT_EQ(titles().value(2), u"Error en Rango"_s);
  ASSERT_NE(form(), nullptr);
  click(form(), "?Cancel");  // nothing the field took has changed
  EXPECT_EQ(form(), nullptr);
  EXPECT_EQ(stored("Marca", 1)->decimal("MAR:CODIGO"), Decimal(1));
  (void)list;
}

TEST_F(FormTest, ADateThatDoesNotExistIsRefusedWithAMessage) {
  ContextGuard guard(context);
  auto parent = std::make_unique<QWidget>();
  const FormField declared = FormField::entry(u"&Fecha:"_s, u"DOL:FECHA"_s);
  auto control = FieldControl::make(declared, BoundField::resolve(files, declared.field), parent.get());
  auto* edit = qobject_cast<QLineEdit*>(control->widget());
  ASSERT_NE(edit, nullptr);
  edit->setText(u"31/02/2024"_s);
  EXPECT_FALSE(control->store(true));
  EXPECT_EQ(titles(), QStringList{u"Error en Valor"_s});
  EXPECT_TRUE(script.shown().back().text().contains(u"fecha"_s));
  EXPECT_FALSE(control->store(false));  // without messages: silent
  EXPECT_EQ(script.shown().size(), 1u);
  edit->setText(u"28/02/2024"_s);
  EXPECT_TRUE(control->store(true));
  EXPECT_EQ(files["Dolar"].buffer().date("DOL:FECHA"), Date::fromYmd(2024, 2, 28));
}

TEST_F(FormTest, TheToolbarMovesToTheNextRecordWithTheFormOpen) {
  brand(1, "AZUL");
  brand(2, "ROJO");
  brand(3, "VERDE");
  ListWindow* list = brands();
  click(list, "?Change");
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(entry("?MAR:DESCRIPCION")->text(), QStringLiteral("AZUL"));
  EXPECT_FALSE(list->takesToolbarAction(ToolbarAction::Down));  // the form has the toolbar now
  ASSERT_TRUE(form()->takesToolbarAction(ToolbarAction::Down));
  type(entry("?MAR:DESCRIPCION"), QStringLiteral("AZUL MARINO"));
  {
    ContextGuard guard(ExecutionContext::kMain);  // the frame enters the form's context itself
    form()->toolbarAction(ToolbarAction::Down);
  }
  testing_shell::settle();
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(openCount<FormWindow>(), 1);
  EXPECT_EQ(form()->windowTitle(), QStringLiteral("Editando..."));
  EXPECT_EQ(entry("?MAR:DESCRIPCION")->text(), QStringLiteral("ROJO"));
  EXPECT_EQ(stored("Marca", 1)->text("MAR:DESCRIPCION"), QStringLiteral("AZUL MARINO"));
  EXPECT_EQ(current(list), QStringLiteral("ROJO"));
  // Insert from the toolbar: the list primes a new record and calls the form again.
  form()->toolbarAction(ToolbarAction::Insert);
  testing_shell::settle();
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(form()->windowTitle(), QStringLiteral("Agregando..."));
  click(form(), "?Cancel");
  EXPECT_EQ(openCount<FormWindow>(), 0);
  EXPECT_TRUE(frameOf(list)->isEnabled());
}

TEST_F(FormTest, ALookupCancelledLeavesTheFormAsItWasAndOneChosenFillsTheEntryAndItsDisplay) {
  brand(1, "AZUL");
  brand(2, "ROJO");
  ListWindow* products = openList(productList());
  ASSERT_NE(products, nullptr);
  click(products, "?Insert");
  FormWindow* f = form();
  ASSERT_NE(f, nullptr);
  auto* code = entry("?TER:MARCA");
  code->setFocus();
  code->setText(QStringLiteral("9"));
  press(code, Qt::Key_Return);
  ListWindow* lookup = open<ListWindow>();
  ASSERT_NE(lookup, products);
  EXPECT_EQ(lookup->request(), kSelectRecord);
  EXPECT_FALSE(frameOf(f)->isEnabled());
  EXPECT_TRUE(frameOf(products)->isEnabled() == false);
  click(lookup, "?Close");
  ASSERT_EQ(form(), f);
  EXPECT_TRUE(frameOf(f)->isEnabled());
  EXPECT_TRUE(code->hasFocus());
  EXPECT_TRUE(child<QLabel>(f, "?MAR:DESCRIPCION")->text().isEmpty());

  // The button opens the list at once; the row chosen fills the entry and the display.
  click(f, "?Lookup:TER:MARCA");
  lookup = open<ListWindow>();
  ASSERT_NE(lookup, products);
  {
    ContextGuard guard(context);
    lookup->setCurrentRow(1);
  }
  click(lookup, "?Select");
  ASSERT_EQ(form(), f);
  EXPECT_EQ(code->text(), QStringLiteral("2"));
  EXPECT_EQ(child<QLabel>(f, "?MAR:DESCRIPCION")->text(), QStringLiteral("ROJO"));
  // A code on file is found without a list.
  code->setText(QStringLiteral("1"));
  code->setModified(true);
  emit code->editingFinished();
  testing_shell::settle();
  EXPECT_EQ(openCount<ListWindow>(), 1);
  EXPECT_EQ(child<QLabel>(f, "?MAR:DESCRIPCION")->text(), QStringLiteral("AZUL"));
  script.answer(QStringLiteral("&NO"));
  click(f, "?Cancel");
  EXPECT_EQ(form(), nullptr);
}

TEST_F(FormTest, TwoListsWithFormsOpenCloseInEitherOrder) {
  brand(1, "AZUL");
  brand(2, "ROJO");
  ListWindow* first = brands();
  const ContextId secondContext = ExecutionContext::create();
  ListWindow* second = nullptr;
  {
    ContextGuard guard(secondContext);
    setGlobalRequest(kNoRequest);
    std::unique_ptr<ListWindow> list = makeList(brandListWith(LocatorKind::Positioning, QStringLiteral("Segunda")) , relations);
    ASSERT_NE(list, nullptr);
    second = list.get();
    openChildWindow(area, std::move(list), QStringLiteral("Segunda"))->resize(700, 500);
  }
  testing_shell::settle();
  const auto forms = [&] {
    std::vector<FormWindow*> out;
    for (QMdiSubWindow* sub : area.subWindowList())
      if (auto* w = qobject_cast<FormWindow*>(sub->widget()); w && sub->isVisible()) out.push_back(w);
    return out;
  };
  for (int round = 0; round < 2; ++round) {
    click(first, "?Change");
    click(second, "?Change");
    ASSERT_EQ(forms().size(), 2u);
    EXPECT_EQ(forms()[0]->context(), context);
    EXPECT_EQ(forms()[1]->context(), secondContext);
    // Both lists wait; the first round closes the first form first, the second the other.
    FormWindow* a = forms()[round == 0 ? 0 : 1];
    FormWindow* b = forms()[round == 0 ? 1 : 0];
    type(child<QLineEdit>(a, "?MAR:DESCRIPCION"), round == 0 ? QStringLiteral("AZUL 1") : QStringLiteral("AZUL 2"));
    click(a, "?OK");
    EXPECT_EQ(forms().size(), 1u);
    click(b, "?Cancel");
    EXPECT_TRUE(forms().empty());
    EXPECT_TRUE(frameOf(first)->isEnabled());
    EXPECT_TRUE(frameOf(second)->isEnabled());
  }
  EXPECT_EQ(stored("Marca", 1)->text("MAR:DESCRIPCION"), QStringLiteral("AZUL 2"));
  // Closing a list with its form open closes the form first.
  click(first, "?Change");
  frameOf(first)->close();
  testing_shell::settle();
  EXPECT_EQ(openCount<FormWindow>(), 0);
  EXPECT_EQ(openCount<ListWindow>(), 1);
  frameOf(second)->close();
  testing_shell::settle();
  ExecutionContext::release(secondContext);
}

TEST_F(FormTest, ViewModeShowsTheRecordWithoutOkAndNothingCanBeChanged) {
  brand(1, "AZUL");
  ListDeclaration declaration = brandListWith(LocatorKind::Positioning, QStringLiteral("TestViewing"));
  declaration.buttons.view = true;
  ListWindow* list = openList(declaration);
  ASSERT_NE(list, nullptr);
  std::unique_ptr<QMenu> menu = list->popupMenu();
  EXPECT_TRUE(menu->actions().value(3) && menu->actions()[3]->text() == QStringLiteral("&Ver"));
  click(list, "?View");
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(form()->windowTitle(), QStringLiteral("Ver registro"));
  EXPECT_TRUE(child<QPushButton>(form(), "?OK")->isHidden());
  EXPECT_TRUE(entry("?MAR:DESCRIPCION")->isReadOnly());
  press(entry("?MAR:DESCRIPCION"), Qt::Key_Apostrophe, Qt::ControlModifier);
  EXPECT_EQ(entry("?MAR:DESCRIPCION")->text(), QStringLiteral("AZUL"));
  click(form(), "?Cancel");
  EXPECT_EQ(form(), nullptr);
  EXPECT_TRUE(script.shown().empty());
}

TEST_F(FormTest, ClosingEveryWindowAsksAChangedFormOnceAndCancelKeepsThemAllOpen) {
  brand(1, "AZUL");
  ListWindow* list = brands();
  click(list, "?Change");
  entry("?MAR:DESCRIPCION")->setText(u"AZUL MARINO"_s);
  entry("?MAR:DESCRIPCION")->setModified(true);
  script.answer(u"Cancelar"_s);
  EXPECT_FALSE(closeChildWindows(area));
  testing_shell::settle();
  // The list closes its form first; the form is not asked a second time.
  EXPECT_EQ(titles(), QStringList{u"Guardar Registro"_s});
  EXPECT_NE(form(), nullptr);
  EXPECT_EQ(open<ListWindow>(), list);
  EXPECT_EQ(stored("Marca", 1)->text("MAR:DESCRIPCION"), u"AZUL"_s);

  script.answer(u"&NO"_s);
  EXPECT_TRUE(closeChildWindows(area));
  testing_shell::settle();
  EXPECT_EQ(titles().size(), 2);
  EXPECT_TRUE(area.subWindowList().isEmpty());
  EXPECT_EQ(stored("Marca", 1)->text("MAR:DESCRIPCION"), u"AZUL"_s);
}

TEST_F(FormTest, FormsMessagesAndTheAboutWindowCarryACloseButtonOnly) {
  const auto closeOnly = [](const QWidget* w) {
    const Qt::WindowFlags f = w->windowFlags();
    return f.testFlag(Qt::WindowCloseButtonHint) && !f.testFlag(Qt::WindowMinimizeButtonHint) &&
           !f.testFlag(Qt::WindowMaximizeButtonHint);
  };
  brand(1, "AZUL");
  ListWindow* list = brands();
  click(list, "?Change");
  ASSERT_NE(form(), nullptr);
  EXPECT_TRUE(closeOnly(frameOf(form())));
  click(form(), "?Cancel");

  MessageWindow message(MessageBox(u"Texto"_s, {}, MessageIcon::None, kButtonOk));
  EXPECT_TRUE(closeOnly(&message));
  AboutWindow about;
  EXPECT_TRUE(closeOnly(&about));
}
