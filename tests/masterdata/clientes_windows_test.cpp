// The customers, customer types and localities: the customer list joined to
// the type, with its hidden "&Agregar" and the insert that stays; the customer
// form's locality and type lookups and the descriptions that follow their
// codes; the type and locality lists and forms; the fixed columns of the
// customer list; and the menu entries that open the lists.
#include "masterdata/clientes/clientes_windows.h"
#include "masterdata/localidad/localidad_windows.h"
#include "masterdata/masterdata_windows.h"
#include "masterdata/tipocli/tipocli_windows.h"
#include "shell/browse/list_procedure.h"
#include "shell/frame/frame_area.h"
#include "shell/frame/frame_data.h"
#include "shell/frame/main_frame.h"
#include "tests/shell/browse/list_fixture.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>

using namespace bv;
using namespace bv::test;
using namespace Qt::StringLiterals;

namespace {

class ClientesTest : public ListTest {
 protected:
  void customerType(int code, const char* description) {
    add("TipoCli", [&](Record& r) {
      r.setDecimal("TIP:CODIGO", code);
      r.setText("TIP:DESCRIPCION", QString::fromUtf8(description));
    });
  }
  void locality(int code, const char* description) {
    add("Localidad", [&](Record& r) {
      r.setDecimal("LOC:CODIGO", code);
      r.setText("LOC:DESCRIPCION", QString::fromUtf8(description));
    });
  }
  RecordPosition customer(int code, const char* name, int place, int kind) {
    return add("Clientes", [&](Record& r) {
      r.setDecimal("CLI:CODIGO", code);
      r.setText("CLI:NOMBRE", QString::fromUtf8(name));
      r.setDecimal("CLI:LOCALIDAD", place);
      r.setDecimal("CLI:TIPO_DE_CLIENTE", kind);
    });
  }
  void catalogue() {
    customerType(1, "Industria");
    customerType(3, "Mayorista");
    locality(1, "Rosario");
    locality(2, "Córdoba");
  }

  FormWindow* form() { return open<FormWindow>(); }
  QLineEdit* entry(const char* name) { return child<QLineEdit>(form(), QString::fromLatin1(name)); }
  QString display(const char* name) {
    auto* label = child<QLabel>(form(), QString::fromLatin1(name));
    return label ? label->text().trimmed() : u"(none)"_s;
  }
  // The list opened over the form, to select (none when the form is on top).
  ListWindow* picking() {
    ListWindow* list = open<ListWindow>();
    return list && list->request() == kSelectRecord ? list : nullptr;
  }
  static QStringList tabs(QWidget* window) {
    QStringList out;
    auto* sheet = child<QTabWidget>(window, u"?CurrentTab"_s);
    for (int i = 0; sheet && i < sheet->count(); ++i) out << sheet->tabText(i);
    return out;
  }
  static QStringList headers(const ListWindow& list) {
    QStringList out;
    QAbstractItemModel* model = list.listBox()->model();
    for (int i = 0; i < model->columnCount(); ++i) out << model->headerData(i, Qt::Horizontal).toString();
    return out;
  }
};

}  // namespace

TEST_F(ClientesTest, TheListShowsEachCustomerWithTheDescriptionOfItsTypeInEveryOrder) {
  catalogue();
  customer(7, "ZETA PINTURAS", 2, 3);
  customer(3, "ALFA COLOR", 1, 9);  // a type no longer on file
  customer(12, "MEDIO", 0, 0);
  ListWindow* list = openList(clientes::browseClientes());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->windowTitle(), u"Tabla de Clientes"_s);
  EXPECT_EQ(tabs(list), (QStringList{u"Por Nombre de Cliente"_s, u"Por Nombre del Contacto"_s, u"Por tipo de cliente"_s,
                                     u"Por Localidad"_s, u"Por Codigo"_s}));
  for (const auto& [field, prompt] : {std::pair{"CLI:NOMBRE", "&Nombre:"}, {"CLI:CONTACTO", "&Contacto:"},
                                      {"CLI:TIPO_DE_CLIENTE", "&Tipo de cliente:"}, {"CLI:LOCALIDAD", "&Localidad:"},
                                      {"CLI:CODIGO", "&Codigo:"}})
    EXPECT_EQ(child<QLabel>(list, u"?%1:Prompt"_s.arg(QString::fromLatin1(field)))->text(), QString::fromLatin1(prompt));
  EXPECT_EQ(headers(*list), (QStringList{u"Codigo"_s, u"Nombre"_s, u"Direccion"_s, u"Contacto"_s, u"Telefonos"_s,
                                         u"E Mail"_s, u"Cod. Pos."_s, u"Localidad"_s, u"Web"_s, u"Codigo"_s,
                                         u"Descripcion"_s}));
  const auto& columns = clientes::browseClientes().columns;
  EXPECT_EQ(columns[9].group, u"Tipo de cliente"_s);
  EXPECT_EQ(columns[10].group, u"Tipo de cliente"_s);
  for (int c = 0; c < static_cast<int>(columns.size()); ++c)
    EXPECT_EQ(list->listBox()->horizontalHeader()->sectionResizeMode(c), QHeaderView::Interactive) << c;

  EXPECT_EQ(column(*list, 1), (QStringList{u"ALFA COLOR"_s, u"MEDIO"_s, u"ZETA PINTURAS"_s}));
  EXPECT_EQ(column(*list, 0), (QStringList{u"00003"_s, u"00012"_s, u"00007"_s}));
  // Customers without a type on file stay, with a blank description.
  EXPECT_EQ(column(*list, 10), (QStringList{QString(), QString(), u"Mayorista"_s}));
  EXPECT_EQ(column(*list, 9), (QStringList{u"9"_s, u"0"_s, u"3"_s}));

  // Every locator positions; nothing is hidden.
  list->setCurrentOrder(2);
  type(list->locatorEntry(2), u"2"_s);
  EXPECT_EQ(list->rows().size(), 3u);
  EXPECT_EQ(list->rows()[static_cast<std::size_t>(list->currentRow())].texts[1].trimmed(), u"ZETA PINTURAS"_s);
  list->setCurrentOrder(4);
  EXPECT_EQ(column(*list, 0), (QStringList{u"00003"_s, u"00007"_s, u"00012"_s}));
  type(list->locatorEntry(4), u"8"_s);
  EXPECT_EQ(list->rows()[static_cast<std::size_t>(list->currentRow())].texts[0].trimmed(), u"00012"_s);
}

TEST_F(ClientesTest, TheListNeverShowsAgregarButTheInsertKeyThePopupAndTheToolbarStillAddACustomer) {
  ListWindow* list = openList(clientes::browseClientes());
  ASSERT_NE(list, nullptr);
  ASSERT_NE(list->button(ListAction::Insert), nullptr);
  EXPECT_EQ(list->button(ListAction::Insert)->text(), u"&Agregar"_s);
  EXPECT_TRUE(list->button(ListAction::Insert)->isHidden());
  EXPECT_TRUE(list->isConnected(ListAction::Insert));
  EXPECT_FALSE(list->button(ListAction::Change)->isHidden());
  EXPECT_FALSE(list->button(ListAction::Delete)->isHidden());

  // The Insert key: a customer with locality 0 and type 0 is saved without any lookup.
  press(list->listBox(), Qt::Key_Insert);
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(form()->objectName(), u"UpdateClientes"_s);
  EXPECT_EQ(form()->windowTitle(), u"Agregando..."_s);
  type(entry("?CLI:CODIGO"), u"11"_s);
  type(entry("?CLI:NOMBRE"), u"NUEVO CLIENTE"_s);
  click(form(), u"?OK"_s);
  EXPECT_EQ(form(), nullptr) << titles().join(u", ").toStdString();
  EXPECT_EQ(openCount<ListWindow>(), 1);
  EXPECT_EQ(column(*list, 1), QStringList{u"NUEVO CLIENTE"_s});
  const std::optional<Record> saved = stored("Clientes", list->rows().front().position());
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->decimal("CLI:LOCALIDAD"), Decimal(0));
  EXPECT_EQ(saved->decimal("CLI:TIPO_DE_CLIENTE"), Decimal(0));

  // The popup's "&Nuevo" and the frame toolbar's insert button.
  std::unique_ptr<QMenu> popup = list->popupMenu();
  QAction* nuevo = nullptr;
  for (QAction* a : popup->actions())
    if (a->text() == u"&Nuevo"_s) nuevo = a;
  ASSERT_NE(nuevo, nullptr);
  EXPECT_TRUE(nuevo->isEnabled());
  nuevo->trigger();
  testing_shell::settle();
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(form()->windowTitle(), u"Agregando..."_s);
  click(form(), u"?Cancel"_s);
  EXPECT_EQ(form(), nullptr);
  EXPECT_TRUE(list->takesToolbarAction(ToolbarAction::Insert));
  list->toolbarAction(ToolbarAction::Insert);
  testing_shell::settle();
  ASSERT_NE(form(), nullptr);
  click(form(), u"?Cancel"_s);
  EXPECT_EQ(count("Clientes"), 1);
}

TEST_F(ClientesTest, OpenedToSelectTheListHidesAgregarToo) {
  customer(1, "ALFA", 0, 0);
  ListWindow* list = openList(clientes::browseClientes(), kSelectRecord);
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->button(ListAction::Insert)->isHidden());
  EXPECT_FALSE(list->button(ListAction::Select)->isHidden());
  EXPECT_TRUE(list->button(ListAction::Select)->isEnabled());
}

TEST_F(ClientesTest, TheFormShowsTheLocalityAndTheTypeOfItsCodesAndLooksUpCodesNotOnFile) {
  catalogue();
  customer(5, "ALFA COLOR", 1, 1);
  ListWindow* list = openList(clientes::browseClientes());
  ASSERT_NE(list, nullptr);
  click(list, u"?Change"_s);
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(form()->windowTitle(), u"Editando..."_s);
  EXPECT_EQ(tabs(form()), QStringList{u"General"_s});
  EXPECT_EQ(display("?LOC:DESCRIPCION"), u"Rosario"_s);
  EXPECT_EQ(display("?TIP:DESCRIPCION"), u"Industria"_s);

  // A locality not on file opens the locality list to select; cancelling it
  // leaves the focus on the entry.
  QLineEdit* place = entry("?CLI:LOCALIDAD");
  place->setFocus();
  place->setText(u"9"_s);
  press(place, Qt::Key_Return);
  ListWindow* lookup = picking();
  ASSERT_NE(lookup, nullptr);
  EXPECT_EQ(lookup->objectName(), u"BrowseLocalidad"_s);
  EXPECT_FALSE(frameOf(form())->isEnabled());
  click(lookup, u"?Close"_s);
  EXPECT_EQ(picking(), nullptr);
  ASSERT_NE(form(), nullptr);
  EXPECT_TRUE(frameOf(form())->isEnabled());
  EXPECT_TRUE(place->hasFocus());
  EXPECT_EQ(place->text().trimmed(), u"9"_s);

  // An existing code shows its description at once, without a list.
  type(place, u"2"_s);
  EXPECT_EQ(picking(), nullptr);
  EXPECT_EQ(display("?LOC:DESCRIPCION"), u"Córdoba"_s);

  // A type not on file, left with Tab (Enter would go on to OK once the type
  // is chosen): the type list, on the row chosen.
  QLineEdit* kind = entry("?CLI:TIPO_DE_CLIENTE");
  type(kind, u"7"_s);
  lookup = picking();
  ASSERT_NE(lookup, nullptr);
  EXPECT_EQ(lookup->objectName(), u"BrowseTipoCli"_s);
  {
    ContextGuard guard(context);
    for (std::size_t i = 0; i < lookup->rows().size(); ++i)
      if (lookup->rows()[i].texts[1].trimmed() == u"Mayorista"_s) lookup->setCurrentRow(static_cast<int>(i));
  }
  click(lookup, u"?Select"_s);
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(kind->text().trimmed(), u"3"_s);
  EXPECT_EQ(display("?TIP:DESCRIPCION"), u"Mayorista"_s);
  EXPECT_EQ(display("?LOC:DESCRIPCION"), u"Córdoba"_s);

  // The button beside the entry opens the list at once.
  click(form(), u"?Lookup:CLI:LOCALIDAD"_s);
  lookup = picking();
  ASSERT_NE(lookup, nullptr);
  EXPECT_EQ(lookup->objectName(), u"BrowseLocalidad"_s);
  click(lookup, u"?Close"_s);

  click(form(), u"?OK"_s);
  EXPECT_EQ(form(), nullptr) << titles().join(u", ").toStdString();
  const std::optional<Record> saved = stored("Clientes", list->rows().front().position());
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->decimal("CLI:LOCALIDAD"), Decimal(2));
  EXPECT_EQ(saved->decimal("CLI:TIPO_DE_CLIENTE"), Decimal(3));
  EXPECT_EQ(column(*list, 10), QStringList{u"Mayorista"_s});
}

TEST_F(ClientesTest, EveryFieldOfTheCustomerFormIsAHistoryField) {
  const FormDeclaration& form = clientes::updateClientes();
  QStringList fields;
  for (const FormField& f : form.tabs.front().fields)
    if (f.control != FormControl::Display) {
      EXPECT_TRUE(f.history) << f.field.toStdString();
      fields << f.field;
    }
  EXPECT_EQ(fields, (QStringList{u"CLI:CODIGO"_s, u"CLI:NOMBRE"_s, u"CLI:DIRECCION"_s, u"CLI:LOCALIDAD"_s,
                                 u"CLI:CODIGO_POSTAL"_s, u"CLI:TELEFONOS"_s, u"CLI:CONTACTO"_s, u"CLI:E_MAIL"_s,
                                 u"CLI:WEB"_s, u"CLI:TIPO_DE_CLIENTE"_s, u"CLI:FICHA_TECNICA"_s}));
  EXPECT_FALSE(form.enterAsTab);
  EXPECT_FALSE(clientes::browseClientes().enterAsTab);
}

TEST_F(ClientesTest, TheTypeListAndFormShowTheirBackgroundAndNumberNewTypes) {
  customerType(1, "Industria");
  ListWindow* list = openList(tipocli::browseTipoCli());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->windowTitle(), u"Tabla de Tipos de Clientes"_s);
  EXPECT_EQ(tabs(list), (QStringList{u"Por Descripcion"_s, u"Por Codigo"_s}));
  EXPECT_EQ(child<QLabel>(list, u"?TIP:DESCRIPCION:Prompt"_s)->text(), u"&Descripcion:"_s);
  EXPECT_EQ(child<QLabel>(list, u"?TIP:CODIGO:Prompt"_s)->text(), u"&Codigo:"_s);
  EXPECT_EQ(headers(*list), (QStringList{u"Codigo"_s, u"Descripcion"_s}));
  EXPECT_FALSE(list->button(ListAction::Insert)->isHidden());
  // The background shows where no control covers it: not the window's plain colour.
  const QColor plain = list->palette().color(QPalette::Window);
  const QImage shot = list->grab().toImage();
  EXPECT_NE(shot.pixelColor(1, shot.height() - 2), plain);

  click(list, u"?Insert"_s);
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(form()->objectName(), u"UpdateTipoCli"_s);
  EXPECT_EQ(tabs(form()), QStringList{u"General"_s});
  const QImage formShot = form()->grab().toImage();
  EXPECT_NE(formShot.pixelColor(1, formShot.height() - 2), form()->palette().color(QPalette::Window));
  type(entry("?TIP:DESCRIPCION"), u"Mayorista"_s);
  click(form(), u"?OK"_s);
  EXPECT_EQ(form(), nullptr);
  list->setCurrentOrder(1);
  EXPECT_EQ(column(*list, 0), (QStringList{u"1"_s, u"2"_s}));
  EXPECT_EQ(column(*list, 1), (QStringList{u"Industria"_s, u"Mayorista"_s}));
}

TEST_F(ClientesTest, TheLocalityListAndFormKeepLocalities) {
  locality(4, "La Plata");
  locality(2, "Córdoba");
  ListWindow* list = openList(localidad::browseLocalidad());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->windowTitle(), u"Tabla de Localidades"_s);
  EXPECT_EQ(tabs(list), (QStringList{u"Por Descripcion"_s, u"Por Codigo"_s}));
  EXPECT_EQ(headers(*list), (QStringList{u"Codigo"_s, u"Descripcion"_s}));
  EXPECT_EQ(column(*list, 1), (QStringList{u"Córdoba"_s, u"La Plata"_s}));
  type(list->locatorEntry(0), u"l"_s);
  EXPECT_EQ(list->rows()[static_cast<std::size_t>(list->currentRow())].texts[1].trimmed(), u"La Plata"_s);
  click(list, u"?Change"_s);
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(form()->objectName(), u"UpdateLocalidad"_s);
  EXPECT_EQ(tabs(form()), QStringList{u"General"_s});
  EXPECT_EQ(child<QLabel>(form(), u"?LOC:CODIGO:Prompt"_s)->text(), u"&Codigo:"_s);
  type(entry("?LOC:DESCRIPCION"), u"La Plata Centro"_s);
  click(form(), u"?OK"_s);
  EXPECT_EQ(column(*list, 1), (QStringList{u"Córdoba"_s, u"La Plata Centro"_s}));
}

TEST_F(ClientesTest, TheCodeAndTheNameStayInViewWhileTheListScrollsSideways) {
  customer(1, "ALFA", 0, 0);
  ListWindow* list = openList(clientes::browseClientes());
  ASSERT_NE(list, nullptr);
  frameOf(list)->resize(600, 400);
  testing_shell::settle();
  auto* bar = child<QScrollBar>(list, u"?Browse:1:HScroll"_s);
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->isVisible());
  QHeaderView* header = list->listBox()->horizontalHeader();
  bar->setValue(3);
  for (int c : {0, 1}) EXPECT_FALSE(header->isSectionHidden(c)) << c;
  for (int c : {2, 3, 4}) EXPECT_TRUE(header->isSectionHidden(c)) << c;
  EXPECT_FALSE(header->isSectionHidden(5));
  EXPECT_EQ(list->listBox()->horizontalScrollBar()->value(), 0);
  bar->setValue(0);
  for (int c = 0; c < header->count(); ++c) EXPECT_FALSE(header->isSectionHidden(c)) << c;
  // Wide enough for every column: no bar.
  frameOf(list)->resize(3000, 400);
  testing_shell::settle();
  EXPECT_FALSE(bar->isVisible());
}

TEST_F(ClientesTest, TheMenuEntriesOpenTheCustomerAndTypeLists) {
  ListCatalogue lists;
  addMasterdataLists(lists);
  ProcedureRegistry registry;
  lists.forEach([&](const QString& procedure, const ListCatalogue::Declaration& declaration) {
    registry.addWindow(procedure, listWindow(declaration, relations));
  });
  for (const char* name : {"BrowseClientes", "BrowseTipoCli", "BrowseLocalidad"})
    EXPECT_NE(lists.find(QString::fromLatin1(name)), nullptr) << name;
  MemoryFrameData data;
  MainFrame frame(data, registry);
  frame.resize(1000, 720);
  frame.open();
  testing_shell::settle();
  for (const auto& [entry, procedure] :
       {std::pair{"?BROWSECLIENTES", "BrowseClientes"}, std::pair{"?BROWSETIPOCLI", "BrowseTipoCli"}}) {
    QAction* action = frame.entry(QString::fromLatin1(entry));
    ASSERT_NE(action, nullptr) << entry;
    ASSERT_TRUE(action->isEnabled()) << entry;
    action->trigger();
    testing_shell::settle();
    QMdiSubWindow* sub = frame.area()->activeSubWindow();
    ASSERT_NE(sub, nullptr) << entry;
    EXPECT_EQ(sub->widget()->objectName(), QString::fromLatin1(procedure));
  }
  for (QMdiSubWindow* w : frame.area()->subWindowList()) delete w;
  testing_shell::settle();
  frame.close();
}
