// The list window: locators, pages, modes and the popup menu.
#include "shell/browse/list_call.h"
#include "shell/browse/list_procedure.h"
#include "shell/procedure_launcher.h"
#include "tests/shell/browse/list_fixture.h"
#include "tests/shell/browse/test_declarations.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QHeaderView>
#include <QTableView>

using namespace bv;
using namespace bv::test;
using namespace Qt::StringLiterals;

namespace {

QStringList entries(QMenu& menu) {
  QStringList out;
  for (QAction* a : menu.actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return out;
}

class ListWindowTest : public ListTest {
 protected:
  void sixBrands() {
    brand(1, "ABA");
    brand(2, "ABC");
    brand(3, "AZUL");
    brand(4, "BLANCO");
    brand(5, "XAB");
    brand(6, "AA");
  }
};

QCoro::Task<void> lookUpInto(int* response, const ListDeclaration* list, RelationManagers* relations, QWidget* caller) {
  *response = co_await callList(*list, *relations, kSelectRecord, caller, ExecutionContext::current());
}

}  // namespace

TEST_F(ListWindowTest, OpensOnTheFirstTabWithItsRowsInKeyOrder) {
  sixBrands();
  ListWindow* list = openList(brandList());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->windowTitle(), QStringLiteral("Tabla de Marcas"));
  EXPECT_EQ(column(*list, 1), (QStringList{"AA", "ABA", "ABC", "AZUL", "BLANCO", "XAB"}));
  EXPECT_EQ(list->currentRow(), 0);
  // The second tab reads by code.
  child<QTabWidget>(list, "?CurrentTab")->setCurrentIndex(1);
  EXPECT_EQ(column(*list, 0), (QStringList{"1", "2", "3", "4", "5", "6"}));
}

TEST_F(ListWindowTest, PositioningLocatorMovesToTheFirstKeyAtOrPastTheTextAndHidesNothing) {
  sixBrands();
  ListWindow* list = openList(brandList());
  ASSERT_NE(list, nullptr);
  auto* locator = child<QLineEdit>(list, "?MAR:DESCRIPCION");
  type(locator, QStringLiteral("ab"));  // every locator ignores case
  EXPECT_EQ(list->rows().size(), 6u);
  EXPECT_EQ(list->rows()[list->currentRow()].texts[1].trimmed(), QStringLiteral("ABA"));
  type(locator, QStringLiteral("B"));
  EXPECT_EQ(list->rows()[list->currentRow()].texts[1].trimmed(), QStringLiteral("BLANCO"));
  // Past every key: the last row; an empty text: the start.
  type(locator, QStringLiteral("ZZZ"));
  EXPECT_EQ(list->rows()[list->currentRow()].texts[1].trimmed(), QStringLiteral("XAB"));
  type(locator, QString());
  EXPECT_EQ(list->currentRow(), 0);
  // On a number key the text is read as a number.
  child<QTabWidget>(list, "?CurrentTab")->setCurrentIndex(1);
  type(child<QLineEdit>(list, "?MAR:CODIGO"), QStringLiteral("4"));
  EXPECT_EQ(list->rows()[list->currentRow()].texts[0].trimmed(), QStringLiteral("4"));
}

TEST_F(ListWindowTest, FilterLocatorsKeepRowsBeginningWithOrContainingTheTextAndClearingShowsAll) {
  sixBrands();
  brand(7, "ab'c");  // a quote is a character like any other
  const ListDeclaration begins = brandListWith(LocatorKind::BeginsWith, QStringLiteral("TestBegins"));
  ListWindow* list = openList(begins);
  ASSERT_NE(list, nullptr);
  auto* locator = child<QLineEdit>(list, "?MAR:DESCRIPCION");
  type(locator, QStringLiteral("ab"));
  EXPECT_EQ(column(*list, 1), (QStringList{"ABA", "ABC", "ab'c"}));
  EXPECT_EQ(list->reader().filter(ListReader::kLocatorFilter), QStringLiteral("SUB(UPPER(MAR:DESCRIPCION),1,2) = 'AB'"));
  type(locator, QStringLiteral("ab'"));
  EXPECT_EQ(column(*list, 1), (QStringList{"ab'c"}));
  type(locator, QString());
  EXPECT_EQ(list->rows().size(), 7u);
  EXPECT_TRUE(list->reader().filter(ListReader::kLocatorFilter).isEmpty());

  const ListDeclaration contains = brandListWith(LocatorKind::Contains, QStringLiteral("TestContains"));
  ListWindow* other = openList(contains);
  ASSERT_NE(other, nullptr);
  type(child<QLineEdit>(other, "?MAR:DESCRIPCION"), QStringLiteral("AB"));
  EXPECT_EQ(column(*other, 1), (QStringList{"ABA", "ABC", "XAB", "ab'c"}));
  // Another tab drops the locator's filter.
  child<QTabWidget>(other, "?CurrentTab")->setCurrentIndex(1);
  EXPECT_EQ(other->rows().size(), 7u);
}

TEST_F(ListWindowTest, ReadsPageByPageWithoutLosingOrRepeatingARow) {
  QStringList all;
  for (int i = 1; i <= 90; ++i) {
    const QString name = QStringLiteral("MARCA %1").arg(i, 3, 10, QLatin1Char('0'));
    all << name;
    add("Marca", [&](Record& r) {
      r.setDecimal("MAR:CODIGO", i);
      r.setText("MAR:DESCRIPCION", name);
    });
  }
  ListWindow* list = openList(brandList());
  ASSERT_NE(list, nullptr);
  const int page = list->pageSize();
  ASSERT_GT(page, 3);
  ASSERT_LT(page, 90);
  EXPECT_EQ(static_cast<int>(list->rows().size()), page);
  EXPECT_EQ(list->scrollBar()->value(), 0);
  QStringList seen;
  for (int i = 0; i < 90; ++i) {
    seen << list->rows()[list->currentRow()].texts[1].trimmed();
    ContextGuard guard(context);
    list->move(ListMove::Down);
  }
  EXPECT_EQ(seen, all);
  EXPECT_EQ(list->scrollBar()->value(), 100);
  {
    ContextGuard guard(context);
    list->move(ListMove::First);
    list->move(ListMove::PageDown);
  }
  EXPECT_EQ(list->rows().front().texts[1].trimmed(), all[page]);
  {
    ContextGuard guard(context);
    list->move(ListMove::PageUp);
  }
  EXPECT_EQ(list->rows().front().texts[1].trimmed(), all[0]);
  {
    ContextGuard guard(context);
    list->move(ListMove::Last);
  }
  EXPECT_EQ(list->rows().back().texts[1].trimmed(), all.back());
  EXPECT_EQ(static_cast<int>(list->rows().size()), page);
  // Up from the last page reads backwards, one row at a time.
  QStringList back;
  for (int i = 0; i < 90; ++i) {
    back.prepend(list->rows()[list->currentRow()].texts[1].trimmed());
    ContextGuard guard(context);
    list->move(ListMove::Up);
  }
  EXPECT_EQ(back, all);
  // The scroll box dropped half way shows the middle codes.
  child<QTabWidget>(list, "?CurrentTab")->setCurrentIndex(1);
  {
    ContextGuard guard(context);
    list->jumpTo(50);
  }
  EXPECT_EQ(list->rows()[list->currentRow()].texts[0].trimmed(), QStringLiteral("46"));
}

TEST_F(ListWindowTest, PopupEntriesFollowTheMode) {
  sixBrands();
  ListWindow* list = openList(brandList());
  ASSERT_NE(list, nullptr);
  std::unique_ptr<QMenu> menu = list->popupMenu();
  EXPECT_EQ(entries(*menu), (QStringList{"&Nuevo", "&Editar", "&Borrar", "-", "&Filtro", "-", "&Toolbox"}));
  EXPECT_EQ(menu->actions()[0]->shortcut(), QKeySequence(Qt::Key_Insert));
  EXPECT_EQ(menu->actions()[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Return));
  EXPECT_EQ(menu->actions()[2]->shortcut(), QKeySequence(Qt::Key_Delete));

  ListWindow* picking = openList(brandList(), kSelectRecord);
  ASSERT_NE(picking, nullptr);
  EXPECT_EQ(entries(*picking->popupMenu()),
            (QStringList{"&Nuevo", "&Editar", "&Borrar", "-", "&Filtro", "E&legir", "-", "&Toolbox"}));

  ListWindow* viewing = openList(brandList(), kViewRecord);
  ASSERT_NE(viewing, nullptr);
  EXPECT_EQ(entries(*viewing->popupMenu()), (QStringList{"-", "&Filtro", "-", "&Toolbox"}));
}

TEST_F(ListWindowTest, AnEmptyListDisablesChangeAndDeleteButKeepsInsert) {
  ListWindow* list = openList(brandList());
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->rows().empty());
  EXPECT_TRUE(child<QPushButton>(list, "?Insert")->isEnabled());
  EXPECT_FALSE(child<QPushButton>(list, "?Change")->isEnabled());
  EXPECT_FALSE(child<QPushButton>(list, "?Delete")->isEnabled());
  EXPECT_TRUE(child<QPushButton>(list, "?Select")->isHidden());
  std::unique_ptr<QMenu> menu = list->popupMenu();
  EXPECT_TRUE(menu->actions()[0]->isEnabled());
  EXPECT_FALSE(menu->actions()[1]->isEnabled());
}

TEST_F(ListWindowTest, AListOpenedInViewModeNeverCallsItsForm) {
  sixBrands();
  ListWindow* list = openList(brandList(), kViewRecord);
  ASSERT_NE(list, nullptr);
  for (const char* name : {"?Insert", "?Change", "?Delete"}) EXPECT_TRUE(child<QPushButton>(list, name)->isHidden());
  press(list->listBox(), Qt::Key_Insert);
  press(list->listBox(), Qt::Key_Return, Qt::ControlModifier);
  press(list->listBox(), Qt::Key_Delete);
  emit list->listBox()->doubleClicked(list->listBox()->model()->index(0, 0));
  testing_shell::settle();
  EXPECT_EQ(openCount<FormWindow>(), 0);
  EXPECT_FALSE(list->takesToolbarAction(ToolbarAction::Insert));
  EXPECT_EQ(count("Marca"), 6);
}

TEST_F(ListWindowTest, AListOpenedToSelectShowsElegirAndCompletesOnlyWhenARowIsChosen) {
  sixBrands();
  auto* caller = new QLabel(QStringLiteral("form"));
  QMdiSubWindow* callerFrame = area.addSubWindow(caller);
  callerFrame->show();

  int response = -1;
  {
    ContextGuard guard(context);
    lookUpInto(&response, &brandList(), &relations, caller);
  }
  testing_shell::settle();
  ListWindow* list = open<ListWindow>();
  ASSERT_NE(list, nullptr);
  EXPECT_FALSE(callerFrame->isEnabled());
  auto* select = child<QPushButton>(list, "?Select");
  EXPECT_TRUE(select->isVisible());
  EXPECT_TRUE(select->isEnabled());
  EXPECT_TRUE(select->isDefault());
  click(list, "?Close");
  EXPECT_EQ(response, kRequestCancelled);
  EXPECT_TRUE(callerFrame->isEnabled());

  {
    ContextGuard guard(context);
    files["Marca"].open();  // the caller's own use of the table
    files["Marca"].buffer().clear();
    lookUpInto(&response, &brandList(), &relations, caller);
  }
  testing_shell::settle();
  list = open<ListWindow>();
  ASSERT_NE(list, nullptr);
  {
    ContextGuard guard(context);
    list->setCurrentRow(3);  // AZUL
  }
  press(list->listBox(), Qt::Key_Return);  // Enter chooses in select mode
  EXPECT_EQ(response, kRequestCompleted);
  EXPECT_EQ(openCount<ListWindow>(), 0);
  ContextGuard guard(context);
  // The chosen record stays in the buffer after the list has closed its files.
  EXPECT_EQ(files["Marca"].buffer().text("MAR:DESCRIPCION"), QStringLiteral("AZUL"));
  EXPECT_EQ(files["Marca"].buffer().decimal("MAR:CODIGO"), Decimal(3));
  files["Marca"].close();
}

TEST_F(ListWindowTest, IconAndColourColumnsTakeTheirValuesFromEachRowAndGroupsDoubleTheHeader) {
  brand(1, "AZUL");
  brand(2, "ROJO");
  ListDeclaration declaration = brandListWith(LocatorKind::Positioning, QStringLiteral("TestColours"));
  ListColumn mark;
  mark.width = 11;
  mark.header = QStringLiteral("M");
  mark.icon = [](const WindowFields& row) {
    return row.text(QStringLiteral("MAR:DESCRIPCION")) == QStringLiteral("ROJO") ? QStringLiteral("~wizOk.ico")
                                                                                 : QString();
  };
  declaration.columns.insert(declaration.columns.begin(), mark);
  declaration.columns[1].inGroup(QStringLiteral("Marca"));
  declaration.columns[2].inGroup(QStringLiteral("Marca"));
  declaration.columns[2].colours = [](const WindowFields& row) {
    RowColours c;
    if (row.number(QStringLiteral("MAR:CODIGO")) == Decimal(2)) {
      c.text = QColor(255, 0, 0);
      c.selectedBackground = QColor(0, 0, 128);
    }
    return c;
  };
  ListWindow* list = openList(declaration);
  ASSERT_NE(list, nullptr);
  QAbstractItemModel* m = list->listBox()->model();
  EXPECT_FALSE(m->index(0, 0).data(Qt::DecorationRole).isValid());
  EXPECT_TRUE(m->index(1, 0).data(Qt::DecorationRole).value<QIcon>().isNull() == false);
  EXPECT_FALSE(m->index(0, 2).data(Qt::ForegroundRole).isValid());  // none: the list's own colours
  EXPECT_EQ(m->index(1, 2).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
  EXPECT_EQ(m->index(1, 2).data(kSelectedBackgroundRole).value<QColor>(), QColor(0, 0, 128));
  EXPECT_FALSE(m->index(1, 2).data(kSelectedTextRole).isValid());
  auto* header = list->listBox()->horizontalHeader();
  GroupedHeader plain(brandList().columns);
  EXPECT_GT(header->sizeHint().height(), plain.sizeHint().height());
}

TEST_F(ListWindowTest, AListStartedFromTheMenuLeavesNothingOfItsContextWhenItEnds) {
  sixBrands();
  ProcedureRegistry registry;
  registry.addWindow(u"TestBrowseMarca"_s, listWindow(brandList, relations));
  ProcedureLauncher launcher(registry, &area);
  const ContextId started = launcher.start(u"TestBrowseMarca"_s);
  testing_shell::settle();
  ListWindow* list = open<ListWindow>();
  ASSERT_NE(list, nullptr);
  {
    ContextGuard guard(started);
    EXPECT_EQ(errors.procedureName(), u"TestBrowseMarca"_s);
    files["Marca"].buffer().setText("MAR:DESCRIPCION", u"EN USO"_s);
  }
  click(list, "?Close");
  EXPECT_EQ(launcher.running(), 0);
  ContextGuard guard(started);
  // The ended context's buffer is gone: asked for again, it comes back blank.
  EXPECT_EQ(files["Marca"].buffer().text("MAR:DESCRIPCION").trimmed(), QString());
  EXPECT_EQ(files["Marca"].openCount(), 0);
}

TEST_F(ListWindowTest, ThePopupMenuActsAfterItIsDoneAndGoesWithTheListAnEntryCloses) {
  sixBrands();
  auto* caller = new QLabel(u"form"_s);
  area.addSubWindow(caller)->show();
  int response = -1;
  {
    ContextGuard guard(context);
    lookUpInto(&response, &brandList(), &relations, caller);
  }
  testing_shell::settle();
  ListWindow* list = open<ListWindow>();
  ASSERT_NE(list, nullptr);
  QTableView* table = list->listBox();
  const QPoint at = table->visualRect(table->model()->index(0, 1)).center();
  QContextMenuEvent event(QContextMenuEvent::Mouse, table->viewport()->mapTo(table, at),
                          table->viewport()->mapToGlobal(at));
  QApplication::sendEvent(table, &event);  // returns at once: no nested event loop
  QPointer<QMenu> menu = list->findChild<QMenu*>(u"?Popup"_s);
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->isVisible());
  QAction* choose = nullptr;
  for (QAction* a : menu->actions())
    if (a->text() == u"E&legir"_s) choose = a;
  ASSERT_NE(choose, nullptr);
  choose->trigger();
  EXPECT_EQ(response, -1);  // nothing happens under the menu
  menu->hide();
  testing_shell::settle();
  EXPECT_EQ(response, kRequestCompleted);
  EXPECT_TRUE(menu.isNull());
  EXPECT_EQ(openCount<ListWindow>(), 0);
  ContextGuard guard(context);
  EXPECT_EQ(files["Marca"].buffer().text("MAR:DESCRIPCION").trimmed(), u"AA"_s);  // the row clicked on
}

TEST_F(ListWindowTest, TheModelAndHeaderKeepTheirOwnColumns) {
  std::unique_ptr<ListModel> model;
  std::unique_ptr<GroupedHeader> header;
  {
    std::vector<ListColumn> columns = brandList().columns;
    columns[1].group = u"Marca"_s;
    model = std::make_unique<ListModel>(columns);
    header = std::make_unique<GroupedHeader>(columns);
    columns.assign(5, ListColumn::of(u"X"_s, 1, u"otra"_s, u"s1"_s));
  }
  EXPECT_EQ(model->columnCount(), 2);
  EXPECT_EQ(model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), u"Descripcion"_s);
  QHeaderView plain(Qt::Horizontal);
  header->setModel(model.get());
  plain.setModel(model.get());
  EXPECT_GT(header->sizeHint().height(), plain.sizeHint().height());  // the group band
}

TEST_F(ListWindowTest, TheToolboxOpensBesideItsListInsideTheScreen) {
  sixBrands();
  ListWindow* list = openList(brandList());
  ASSERT_NE(list, nullptr);
  QWidget* frame = frameOf(list);
  frame->setGeometry(0, 0, 300, 300);
  list->showToolbox();
  auto* box = list->findChild<QWidget*>(u"?ToolboxWindow"_s);
  ASSERT_NE(box, nullptr);
  const QRect anchor(frame->mapToGlobal(QPoint(0, 0)), frame->size());
  EXPECT_GT(box->x(), anchor.right());
  EXPECT_EQ(box->y(), anchor.top());
  EXPECT_TRUE(box->screen()->availableGeometry().contains(box->geometry()));
}
