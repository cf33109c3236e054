// The catalogue's lists started from the frame's menu, registered as the
// program registers them: "Productos Terminados" and "Cartas" open their
// lists in a context of their own.
#include "masterdata/masterdata_windows.h"
#include "runtime/scripted_presenter.h"
#include "shell/browse/list_procedure.h"
#include "shell/browse/list_window.h"
#include "shell/frame/frame_area.h"
#include "shell/frame/main_frame.h"
#include "shell/globals.h"
#include "storage/filelayer/file_layer.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"
#include "tests/shell/shell_test_support.h"

#include <QAction>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

using namespace bv;
using namespace bv::testing_shell;
using namespace Qt::StringLiterals;

namespace {

struct CatalogueMenuTest : ::testing::Test {
  ShellTempDir tmp;
  std::shared_ptr<FileLayer> layer = FileLayer::createSqlite({tmp.dir.path(), tmp.dir.path()});
  FileManagers files{*layer};
  RelationManagers relations{files};
  MemoryFrameData data;
  ProcedureRegistry registry;
  std::unique_ptr<MainFrame> frame;
  ScriptedPresenter script;
  std::optional<PresenterScope> scope;

  CatalogueMenuTest() {
    glo().ModificaFormulas = u"S"_s;
    ListCatalogue lists;
    addMasterdataLists(lists);
    lists.forEach([&](const QString& procedure, const ListCatalogue::Declaration& declaration) {
      registry.addWindow(procedure, listWindow(declaration, relations));
    });
    frame = std::make_unique<MainFrame>(data, registry);
    frame->resize(1000, 720);
    frame->open();
    scope.emplace(script);
    settle();
  }
  ~CatalogueMenuTest() override {
    for (QMdiSubWindow* w : frame->area()->subWindowList()) delete w;
    settle();
    scope.reset();
    frame->close();
    frame.reset();
    settle();
    glo().clear();
  }
  ListWindow* start(const QString& entryName) {
    QAction* entry = frame->entry(entryName);
    EXPECT_TRUE(entry && entry->isEnabled()) << entryName.toStdString();
    if (!entry) return nullptr;
    entry->trigger();
    settle();
    QMdiSubWindow* sub = frame->area()->activeSubWindow();
    return sub ? qobject_cast<ListWindow*>(sub->widget()) : nullptr;
  }
};

}  // namespace

TEST_F(CatalogueMenuTest, ProductosTerminadosAndCartasOpenTheirLists) {
  EXPECT_EQ(frame->entry(u"?BROWSETERMINADO"_s)->text(), u"Productos Terminados"_s);
  EXPECT_EQ(frame->entry(u"?BROWSECARTA"_s)->text(), u"Cartas"_s);
  ListWindow* products = start(u"?BROWSETERMINADO"_s);
  ASSERT_NE(products, nullptr);
  EXPECT_EQ(products->objectName(), u"BrowseTerminado"_s);
  EXPECT_EQ(products->windowTitle(), u"Tabla de Productos Terminados"_s);
  EXPECT_NE(products->context(), ExecutionContext::kMain);
  ListWindow* charts = start(u"?BROWSECARTA"_s);
  ASSERT_NE(charts, nullptr);
  EXPECT_EQ(charts->objectName(), u"BrowseCarta"_s);
  EXPECT_EQ(charts->windowTitle(), u"Tabla de Cartas de Colores"_s);
  EXPECT_NE(charts->context(), products->context());
}
