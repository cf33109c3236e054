// The brand list and form started from the frame's menu entry "Marcas": find,
// add, change, delete and select brands. Renders the list and the form to
// bravent-marcas.png and bravent-marca-form.png in $BRAVENT_SNAPSHOT_DIR (or
// the temporary folder) for a look at them.
#include "masterdata/marca/marca_windows.h"
#include "runtime/scripted_presenter.h"
#include "shell/browse/list_call.h"
#include "shell/browse/list_procedure.h"
#include "shell/browse/list_window.h"
#include "shell/call_window.h"
#include "shell/form/form_window.h"
#include "shell/frame/frame_area.h"
#include "shell/frame/frame_toolbar.h"
#include "shell/frame/main_frame.h"
#include "storage/filelayer/file_layer.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"
#include "tests/shell/shell_test_support.h"

#include <QAction>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <gtest/gtest.h>

using namespace bv;
using namespace bv::testing_shell;

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

QString snapshotPath(const QString& name) {
  return QDir(qEnvironmentVariable("BRAVENT_SNAPSHOT_DIR", QDir::tempPath())).filePath(name);
}

QCoro::Task<void> chooseBrand(int* response, RelationManagers* relations, QWidget* caller) {
  *response = co_await callList(marca::browseMarca(), *relations, kSelectRecord, caller, ExecutionContext::current());
}

struct MarcaTest : ::testing::Test {
  ShellTempDir tmp;
  std::shared_ptr<FileLayer> layer = FileLayer::createSqlite({tmp.dir.path(), tmp.dir.path()});
  FileManagers files{*layer};
  RelationManagers relations{files};
  MemoryFrameData data;
  ProcedureRegistry registry;
  std::unique_ptr<MainFrame> frame;
  ScriptedPresenter script;
  std::optional<PresenterScope> scope;

  MarcaTest() {
    registry.addWindow(QStringLiteral("BrowseMarca"), listWindow(marca::browseMarca, relations));
    frame = std::make_unique<MainFrame>(data, registry);
    frame->resize(1000, 720);
    frame->open();
    scope.emplace(script);  // answers in place of the frame's message window
    settle();
  }
  ~MarcaTest() override {
    for (QMdiSubWindow* w : frame->area()->subWindowList()) delete w;
    settle();
    scope.reset();
    frame->close();
    frame.reset();
    settle();
  }
  template <typename W>
  W* active() {
    QMdiSubWindow* sub = frame->area()->activeSubWindow();
    return sub ? qobject_cast<W*>(sub->widget()) : nullptr;
  }
  FormWindow* form() {
    for (QMdiSubWindow* sub : frame->area()->subWindowList())
      if (auto* f = qobject_cast<FormWindow*>(sub->widget()); f && sub->isVisible()) return f;
    return nullptr;
  }
  static void click(QWidget* window, const char* name) {
    auto* b = window->findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(b, nullptr) << name;
    ASSERT_TRUE(b->isEnabled()) << name;
    b->click();
    settle();
  }
  static void type(QWidget* window, const char* name, const QString& text) {
    auto* e = window->findChild<QLineEdit*>(QString::fromLatin1(name));
    ASSERT_NE(e, nullptr) << name;
    e->setFocus();
    e->setText(text);
    e->setModified(true);
    emit e->editingFinished();
    settle();
  }
  static QString current(ListWindow* list, int column = 1) {
    return list->rows().at(static_cast<std::size_t>(list->currentRow())).texts[column].trimmed();
  }
  ListWindow* startMarcas() {
    QAction* entry = frame->entry(QStringLiteral("?BROWSEMARCA"));
    EXPECT_TRUE(entry && entry->isEnabled());
    if (entry) entry->trigger();
    settle();
    return active<ListWindow>();
  }
};

}  // namespace

TEST_F(MarcaTest, MarcasListsFindsAddsChangesAndDeletesBrands) {
  ListWindow* list = startMarcas();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->objectName(), QStringLiteral("BrowseMarca"));
  EXPECT_EQ(list->windowTitle(), QStringLiteral("Tabla de Marcas"));
  EXPECT_NE(list->context(), ExecutionContext::kMain);
  auto* tabs = list->findChild<QTabWidget*>(QStringLiteral("?CurrentTab"));
  ASSERT_EQ(tabs->count(), 2);
  EXPECT_EQ(tabs->tabText(0), QStringLiteral("Por Descripcion"));
  EXPECT_EQ(tabs->tabText(1), QStringLiteral("Por Codigo"));
  EXPECT_EQ(list->findChild<QLabel*>(QStringLiteral("?MAR:DESCRIPCION:Prompt"))->text(), QStringLiteral("&Descripcion:"));
  EXPECT_EQ(list->findChild<QLabel*>(QStringLiteral("?MAR:CODIGO:Prompt"))->text(), QStringLiteral("&Codigo:"));
  QAbstractItemModel* model = list->listBox()->model();
  EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Codigo"));
  EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Descripcion"));
  for (const char* name : {"?Query", "?Insert", "?Change", "?Delete", "?Toolbox", "?Select", "?Close"})
    EXPECT_NE(list->findChild<QPushButton*>(QString::fromLatin1(name)), nullptr) << name;

  for (const char* name : {"ROJO", "AZUL", "VERDE"}) {
    click(list, "?Insert");
    FormWindow* f = form();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->objectName(), QStringLiteral("UpdateMarca"));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Agregando..."));
    EXPECT_EQ(f->context(), list->context());  // the form runs in its list's context
    type(f, "?MAR:DESCRIPCION", QString::fromLatin1(name));
    click(f, "?OK");
    EXPECT_EQ(current(list), QString::fromLatin1(name));
  }
  EXPECT_EQ(list->rows().size(), 3u);

  type(list, "?MAR:DESCRIPCION", QStringLiteral("ve"));
  EXPECT_EQ(current(list), QStringLiteral("VERDE"));
  EXPECT_EQ(current(list, 0), QStringLiteral("3"));

  click(list, "?Change");
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(form()->windowTitle(), QStringLiteral("Editando..."));
  auto* sheet = form()->findChild<QTabWidget*>(QStringLiteral("?CurrentTab"));
  EXPECT_EQ(sheet->tabText(0), QStringLiteral("General"));
  EXPECT_EQ(form()->findChild<QLabel*>(QStringLiteral("?MAR:CODIGO:Prompt"))->text(), QStringLiteral("&Codigo:"));
  type(form(), "?MAR:DESCRIPCION", QStringLiteral("VERDE OLIVA"));
  click(form(), "?OK");
  EXPECT_EQ(current(list), QStringLiteral("VERDE OLIVA"));

  script.answer(QStringLiteral("&SI"));
  click(list, "?Delete");
  EXPECT_EQ(script.shown().back().title(), QStringLiteral("Confirmar Borrado"));
  QStringList left;
  for (const ListRow& r : list->rows()) left << r.texts[1].trimmed();
  EXPECT_EQ(left, (QStringList{"AZUL", "ROJO"}));
}

TEST_F(MarcaTest, TheFrameToolbarMovesTheOpenFormToTheNextBrand) {
  ListWindow* list = startMarcas();
  ASSERT_NE(list, nullptr);
  for (const char* name : {"AZUL", "ROJO"}) {
    click(list, "?Insert");
    type(form(), "?MAR:DESCRIPCION", QString::fromLatin1(name));
    click(form(), "?OK");
  }
  type(list, "?MAR:DESCRIPCION", QString());
  click(list, "?Change");
  ASSERT_NE(form(), nullptr);
  frame->area()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(form()->parentWidget()));
  settle();
  QAction* down = frame->frameToolbar()->action(ToolbarAction::Down);
  ASSERT_TRUE(down->isEnabled());
  EXPECT_FALSE(frame->frameToolbar()->action(ToolbarAction::Delete)->isEnabled());
  down->trigger();
  settle();
  ASSERT_NE(form(), nullptr);
  EXPECT_EQ(form()->findChild<QLineEdit*>(QStringLiteral("?MAR:DESCRIPCION"))->text(), QStringLiteral("ROJO"));
  click(form(), "?Cancel");
  // Back on the list, the toolbar drives the list.
  settle();
  ASSERT_EQ(active<ListWindow>(), list);
  frame->frameToolbar()->action(ToolbarAction::Top)->trigger();
  EXPECT_EQ(current(list), QStringLiteral("AZUL"));
}

TEST_F(MarcaTest, AFormSelectsABrandFromTheList) {
  ListWindow* list = startMarcas();
  ASSERT_NE(list, nullptr);
  for (const char* name : {"AZUL", "ROJO"}) {
    click(list, "?Insert");
    type(form(), "?MAR:DESCRIPCION", QString::fromLatin1(name));
    click(form(), "?OK");
  }
  auto* caller = new QLabel(QStringLiteral("ficha"));
  QMdiSubWindow* callerFrame = frame->area()->addSubWindow(caller);
  callerFrame->show();
  const ContextId context = ExecutionContext::create();
  int response = -1;
  {
    ContextGuard guard(context);
    files["Marca"].open();
    chooseBrand(&response, &relations, caller);
  }
  settle();
  ListWindow* picking = active<ListWindow>();
  ASSERT_NE(picking, nullptr);
  ASSERT_NE(picking, list);
  EXPECT_EQ(picking->request(), kSelectRecord);
  {
    ContextGuard guard(context);
    picking->setCurrentRow(1);
  }
  click(picking, "?Select");
  EXPECT_EQ(response, kRequestCompleted);
  ContextGuard guard(context);
  EXPECT_EQ(files["Marca"].buffer().text("MAR:DESCRIPCION"), QStringLiteral("ROJO"));
  files["Marca"].close();
}

TEST_F(MarcaTest, RendersTheListAndTheFormToPictures) {
  ListWindow* list = startMarcas();
  ASSERT_NE(list, nullptr);
  for (const char* name : {"AZUL FRANCIA", "BLANCO NIEVE", "ROJO FUEGO", "VERDE INGLÉS", "AMARILLO"}) {
    click(list, "?Insert");
    type(form(), "?MAR:DESCRIPCION", QString::fromUtf8(name));
    click(form(), "?OK");
  }
  qobject_cast<QMdiSubWindow*>(list->parentWidget())->setGeometry(20, 20, 520, 380);
  settle();
  EXPECT_TRUE(frame->grab().save(snapshotPath(QStringLiteral("bravent-marcas.png"))));
  click(list, "?Change");
  ASSERT_NE(form(), nullptr);
  qobject_cast<QMdiSubWindow*>(form()->parentWidget())->move(300, 200);
  settle();
  EXPECT_TRUE(frame->grab().save(snapshotPath(QStringLiteral("bravent-marca-form.png"))));
  click(form(), "?Cancel");
}
