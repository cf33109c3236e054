#include "runtime/message_presenter.h"
#include "shell/frame/about_window.h"
#include "shell/frame/frame_area.h"
#include "shell/frame/frame_rules.h"
#include "shell/frame/frame_toolbar.h"
#include "shell/frame/main_frame.h"
#include "shell/frame/version_panel.h"
#include "shell/globals.h"
#include "shell/request_codes.h"
#include "shell_test_support.h"
#include "storage/errors/error_manager.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFile>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace bv;
using namespace bv::testing_shell;

namespace {

// What a started form saw of the globals when it started.
struct Started {
  QString name;
  ContextId context;
  QString accionParametros;
  Decimal nuevaProduccion;
};
QList<Started> started;

std::unique_ptr<QWidget> recordingWindow(const ProcedureStart& start) {
  started.append({start.name, ExecutionContext::current(), glo().AccionParametros, glo().NuevaProduccion});
  auto w = std::make_unique<QLabel>(start.name);
  w->setWindowTitle(start.name);
  return w;
}

// A list that takes only some toolbar actions.
class ListWithToolbar : public QLabel, public ToolbarTarget {
 public:
  ListWithToolbar() : QLabel(QStringLiteral("Lista")) {}
  bool takesToolbarAction(ToolbarAction a) const override {
    return a == ToolbarAction::Insert || a == ToolbarAction::Down;
  }
  void toolbarAction(ToolbarAction a) override {
    received.append(a);
    contexts.append(ExecutionContext::current());
  }
  static inline QList<ToolbarAction> received;
  static inline QList<ContextId> contexts;
};

std::unique_ptr<QWidget> toolbarList(const ProcedureStart&) { return std::make_unique<ListWithToolbar>(); }

// A form whose user does not let it close.
class StubbornForm : public QLabel {
 public:
  StubbornForm() : QLabel(QStringLiteral("Ficha")) {}
  void closeEvent(QCloseEvent* e) override { e->ignore(); }
};

std::unique_ptr<QWidget> stubbornForm(const ProcedureStart&) { return std::make_unique<StubbornForm>(); }

QStringList visibleEntries(const MainFrame& frame, const QString& menuName) {
  QStringList texts;
  auto* menu = frame.findChild<QMenu*>(menuName);
  for (QAction* a : menu->actions())
    if (!a->isSeparator() && a->isVisible()) texts << a->text();
  return texts;
}

const QStringList kRestricted{"?LISTADO",         "?LISTADO1", "?COPIADO1", "?AYUDAGENERARPLANILLA",
                              "?AYUDAIMPORTARFORMULASDEEXCELL", "?ARCHIVOACTUALIZACIÓN"};

struct FrameTest : ::testing::Test {
  ShellTempDir tmp;
  MemoryFrameData data;
  ProcedureRegistry registry;
  MessagePresenter* before = MessagePresenter::installed();
  std::unique_ptr<MainFrame> frame;

  FrameTest() {
    started.clear();
    ListWithToolbar::received.clear();
    ListWithToolbar::contexts.clear();
    glo().clear();
    for (const char* name : {"Parametros", "Impuestos", "UpdateProduc01", "BrowseClientes"})
      registry.addWindow(QString::fromUtf8(name), recordingWindow);
  }
  ~FrameTest() override {
    if (frame && frame->isVisible()) {
      for (QMdiSubWindow* w : frame->area()->subWindowList()) delete w;
      frame->close();
    }
    frame.reset();
    settle();
  }
  MainFrame& open() {
    frame = std::make_unique<MainFrame>(data, registry);
    frame->open();
    QCoreApplication::processEvents();
    return *frame;
  }
};

}  // namespace

TEST_F(FrameTest, OpensAsThePrincipalWindowWithItsMessageWindowAndFiles) {
  QFile env(QDir(tmp.dir.path()).filePath("bravent.env"));  // the name in another case
  ASSERT_TRUE(env.open(QIODevice::WriteOnly));
  env.write("; entorno\nCLACOLLATE=es\n");
  env.close();
  MainFrame& f = open();
  EXPECT_EQ(f.environment().value("clacollate"), "es");
  EXPECT_EQ(f.windowTitle(), "Vantora - Sistema de Colores");
  EXPECT_EQ(f.objectName(), "Principal");
  EXPECT_FALSE(f.windowIcon().isNull());
  EXPECT_EQ(f.font().family(), "MS Sans Serif");
  EXPECT_EQ(ErrorManager::instance().procedureName(), "Principal");
  EXPECT_EQ(data.opens, 1);
  EXPECT_EQ(globalRequest(), kNoRequest);

  // Every message box of the program now appears in the message window.
  ASSERT_NE(MessagePresenter::installed(), before);
  QString title;
  whenMessageShown([&](MessageWindow& w) {
    title = w.windowTitle();
    buttonCaptioned(w, "&NO")->click();
  });
  EXPECT_EQ(ErrorManager::instance().raise(9), 4);
  EXPECT_EQ(title, "Confirmar Borrado");

  f.close();
  EXPECT_EQ(data.closes, 1);
  EXPECT_EQ(MessagePresenter::installed(), before);
  EXPECT_EQ(ErrorManager::instance().procedureName(), QString());
}

TEST_F(FrameTest, TheMenuTreeCarriesItsTextsNamesAndTips) {
  MainFrame& f = open();
  QStringList menus;
  for (QAction* a : f.menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{"&Archivo", "&Editar", "&Tablas maestras", "Producción", "&Ventanas", "&Ayuda"}));
  for (const MenuDef& def : frameMenus()) {
    ASSERT_NE(f.findChild<QMenu*>(def.name), nullptr) << def.name.toStdString();
    for (const MenuEntry& e : def.entries) {
      if (e.command == MenuCommand::Separator) continue;
      QAction* a = f.findChild<QAction*>(e.name);
      ASSERT_NE(a, nullptr) << e.name.toStdString();
      EXPECT_EQ(a->text(), e.text);
    }
  }
  EXPECT_EQ(f.findChild<QAction*>("?PRINTSETUP")->toolTip(), "Setup printer");
  EXPECT_EQ(f.findChild<QAction*>("?ARCHIVOACTUALIZACIÓN")->toolTip(), "Back Up de la Base de Datos");
  EXPECT_EQ(f.findChild<QAction*>("?COPY")->toolTip(), "Copy item to Windows Clipboard");
  EXPECT_EQ(f.findChild<QAction*>("?TILEVERTICAL")->toolTip(), "Make all open windows visible");
  EXPECT_EQ(visibleEntries(f, "?EDIT"), (QStringList{"C&ortar", "&Copiar", "&Pegar"}));
  EXPECT_EQ(visibleEntries(f, "?WINDOW"),
            (QStringList{"&Cascada", "Mosaico &Horizontal", "Mosaico &Vertical", "&Ordenar Íconos"}));
}

TEST_F(FrameTest, RestrictedEntriesAreHiddenUnlessTheSwitchIsSAndStaySo) {
  MainFrame& f = open();  // an empty Paramet file: the switch is blank
  EXPECT_EQ(glo().ModificaFormulas, " ");
  EXPECT_EQ(visibleEntries(f, "?FILE"),
            (QStringList{"&Seteo de impresoras", "Parametros Generales", "S&alida del sistema"}));
  EXPECT_EQ(visibleEntries(f, "?PRODUCCIÓN"),
            (QStringList{"Cotizaciones del Dólar", "Nueva Producción", "Producciones realizadas",
                         "Imprimir Etiquetas", "Ingreso de Productos Básicos"}));
  // The parameters form changes the switch later: the entries stay hidden.
  glo().ModificaFormulas = "S";
  f.startParametersForm("Parametros");
  for (const QString& name : kRestricted) EXPECT_FALSE(f.entry(name)->isVisible()) << name.toStdString();
}

TEST_F(FrameTest, RestrictedEntriesShownWhenTheSwitchIsSAndStaySo) {
  data.paramet = "S";
  MainFrame& f = open();
  EXPECT_EQ(glo().ModificaFormulas, "S");
  for (const QString& name : kRestricted) EXPECT_TRUE(f.entry(name)->isVisible()) << name.toStdString();
  glo().ModificaFormulas = "N";
  for (const QString& name : kRestricted) EXPECT_TRUE(f.entry(name)->isVisible());

  // Any other value hides them.
  frame.reset();
  data.paramet = "N";
  MainFrame& other = open();
  for (const QString& name : kRestricted) EXPECT_FALSE(other.entry(name)->isVisible());
}

TEST_F(FrameTest, EntriesWhoseProcedureIsNotBuiltAreDisabled) {
  MainFrame& f = open();
  EXPECT_TRUE(f.entry("?BROWSECLIENTES")->isEnabled());
  EXPECT_TRUE(f.entry("?ARCHIVOPARAMETROSGENERALES")->isEnabled());
  EXPECT_FALSE(f.entry("?BROWSEBASICOS")->isEnabled());
  EXPECT_FALSE(f.entry("?PRODUCCIÓNIMPRIMIRETIQUETAS")->isEnabled());
  // The frame's own entries always work.
  for (const char* name : {"?PRINTSETUP", "?ABORT", "?CUT", "?COPY", "?PASTE", "?CASCADE", "?ABOUT"})
    EXPECT_TRUE(f.entry(name)->isEnabled()) << name;
  EXPECT_TRUE(f.findChild<QPushButton*>("?BUTTON13")->isEnabled());

  frame.reset();
  ProcedureRegistry empty;
  MainFrame bare(data, empty);
  EXPECT_FALSE(bare.findChild<QPushButton*>("?BUTTON13")->isEnabled());
}

TEST_F(FrameTest, NewProductionTakesTheNextCodeAndStartsTheFormInItsOwnContext) {
  MainFrame& f = open();  // Produc01 empty
  f.entry("?PRODUCCIÓNNUEVAPRODUCCIÓN")->trigger();
  ASSERT_EQ(started.size(), 1);
  EXPECT_EQ(started[0].name, "UpdateProduc01");
  EXPECT_EQ(started[0].nuevaProduccion, Decimal(1));
  EXPECT_NE(started[0].context, ExecutionContext::kMain);

  data.highestCodigo = Decimal(41);
  f.findChild<QPushButton*>("?BUTTON13")->click();
  ASSERT_EQ(started.size(), 2);
  EXPECT_EQ(started[1].nuevaProduccion, Decimal(42));
  EXPECT_NE(started[1].context, started[0].context);
  // Both forms are open at once, and the frame went on.
  EXPECT_EQ(f.area()->subWindowList().size(), 2);
  EXPECT_EQ(ExecutionContext::current(), ExecutionContext::kMain);
}

TEST(FrameRules, NextProductionNumber) {
  EXPECT_EQ(nextProductionNumber(std::nullopt), Decimal(1));
  EXPECT_EQ(nextProductionNumber(Decimal(0)), Decimal(1));
  EXPECT_EQ(nextProductionNumber(Decimal(999)), Decimal(1000));
  EXPECT_EQ(nextProductionNumber(Decimal(-1)), Decimal(1));
}

TEST_F(FrameTest, ParameterFormsStartToAddOnAnEmptyParametAndToChangeOtherwise) {
  MainFrame& f = open();
  f.entry("?ARCHIVOPARAMETROSGENERALES")->trigger();
  data.paramet = "N";
  f.entry("?TABLASMAESTRASIMPUESTOS")->trigger();
  f.entry("?ARCHIVOPARAMETROSGENERALES")->trigger();
  ASSERT_EQ(started.size(), 3);
  EXPECT_EQ(started[0].name, "Parametros");
  EXPECT_EQ(started[0].accionParametros, "A");
  EXPECT_EQ(started[1].name, "Impuestos");
  EXPECT_EQ(started[1].accionParametros, "M");
  EXPECT_EQ(started[2].accionParametros, "M");
}

TEST_F(FrameTest, VersionAndDateOfTheInstalledData) {
  {
    MainFrame& f = open();  // Versiones empty
    EXPECT_EQ(f.findChild<QLabel*>("?VER:VERSION")->text(), "0");
    EXPECT_EQ(f.findChild<QLabel*>("?VER:FECHA")->text(), "");
    EXPECT_EQ(f.findChild<QLabel*>("?STRING1")->text(), "Versión: ");
    EXPECT_EQ(f.findChild<QLabel*>("?STRING2")->text(), "Fecha:");
  }
  frame->close();
  data.versiones = VersionInfo{Decimal(17), Date::fromYmd(2024, 3, 5)};
  MainFrame& f = open();
  EXPECT_EQ(f.findChild<QLabel*>("?VER:VERSION")->text(), "17");
  EXPECT_EQ(f.findChild<QLabel*>("?VER:FECHA")->text(), "05/03/2024");
}

TEST_F(FrameTest, ToolbarGroupsActOnTheActiveListOnly) {
  registry.addWindow("BrowseBasicos", toolbarList);
  MainFrame& f = open();
  auto* bar = f.findChild<FrameToolbar*>("?TOOLBAR");
  ASSERT_NE(bar, nullptr);
  QStringList groups;
  for (const ToolbarGroup& g : toolbarGroups()) {
    auto* group = bar->findChild<QActionGroup*>(g.name);
    ASSERT_NE(group, nullptr) << g.name.toStdString();
    groups << g.name;
    for (const ToolbarButton& b : g.buttons) {
      auto* button = bar->findChild<QToolButton*>(b.name);
      ASSERT_NE(button, nullptr) << b.name.toStdString();
      EXPECT_FALSE(button->icon().isNull()) << b.icon.toStdString();
      EXPECT_FALSE(button->isEnabled());
      EXPECT_TRUE(group->actions().contains(button->defaultAction()));
    }
  }
  EXPECT_EQ(groups, (QStringList{"?FRAMEEDITGROUP", "?FRAMENAVIGATEGROUP", "?FRAMEHISTORYGROUP", "?FRAMEHELPGROUP"}));

  const ContextId list = f.startProcedure("BrowseBasicos");
  QCoreApplication::processEvents();
  auto* insert = bar->findChild<QToolButton*>("?TOOLBAR:INSERT");
  auto* down = bar->findChild<QToolButton*>("?TOOLBAR:DOWN");
  EXPECT_TRUE(insert->isEnabled());
  EXPECT_TRUE(down->isEnabled());
  EXPECT_FALSE(bar->findChild<QToolButton*>("?TOOLBAR:DELETE")->isEnabled());
  insert->click();
  down->click();
  EXPECT_EQ(ListWithToolbar::received, (QList<ToolbarAction>{ToolbarAction::Insert, ToolbarAction::Down}));
  EXPECT_EQ(ListWithToolbar::contexts, (QList<ContextId>{list, list}));

  // A window that takes no toolbar actions turns the buttons off.
  f.startProcedure("BrowseClientes");
  QCoreApplication::processEvents();
  EXPECT_FALSE(insert->isEnabled());
}

TEST_F(FrameTest, ClosingTheFrameClosesItsWindowsUnlessOneStaysOpen) {
  registry.addWindow("UpdateCompras", stubbornForm);
  MainFrame& f = open();
  f.startProcedure("BrowseClientes");
  f.startProcedure("UpdateCompras");
  EXPECT_FALSE(f.close());
  settle();
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(data.closes, 0);
  ASSERT_EQ(f.area()->subWindowList().size(), 1);
  delete f.area()->subWindowList().front();
  settle();
  EXPECT_TRUE(f.close());
  EXPECT_EQ(data.closes, 1);
}

TEST_F(FrameTest, AFrameClosedMaximizedReopensMaximized) {
  MainFrame& f = open();
  f.showMaximized();
  QCoreApplication::processEvents();
  f.close();
  EXPECT_EQ(tmp.fetch("Principal", "Maximize"), "Yes");
  MainFrame& again = open();
  EXPECT_TRUE(again.isMaximized());
}

TEST_F(FrameTest, TilingArrangesTheOpenWindows) {
  MainFrame& f = open();
  f.startProcedure("BrowseClientes");
  f.startProcedure("BrowseClientes");
  QCoreApplication::processEvents();
  const QRect room = f.area()->viewport()->rect();
  auto windows = f.area()->subWindowList();
  f.entry("?TILEHORIZONTAL")->trigger();
  EXPECT_EQ(windows[0]->width(), room.width());
  EXPECT_EQ(windows[1]->width(), room.width());
  EXPECT_NE(windows[0]->y(), windows[1]->y());
  f.entry("?TILEVERTICAL")->trigger();
  EXPECT_EQ(windows[0]->height(), room.height());
  EXPECT_NE(windows[0]->x(), windows[1]->x());
}

TEST_F(FrameTest, TheAboutWindowHoldsTheFrameUntilItLosesTheFocus) {
  MainFrame& f = open();
  bool returned = false;
  QString procedureWhileOpen;
  QTimer::singleShot(0, &f, [&] {
    auto* about = f.findChild<AboutWindow*>("AboutWindow");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(returned);
    EXPECT_NE(about->findChild<QPushButton*>("?CLOSE"), nullptr);
    procedureWhileOpen = ErrorManager::instance().procedureName();
    about->activateWindow();
    QCoreApplication::processEvents();
    // Another window takes the focus: the About window closes itself.
    f.activateWindow();
    QCoreApplication::processEvents();
  });
  // Should the focus never move, the window is closed by hand so the test ends.
  QTimer::singleShot(3000, &f, [&] {
    if (auto* about = f.findChild<AboutWindow*>("AboutWindow"); about && about->isVisible()) {
      ADD_FAILURE() << "the About window did not close when it lost the focus";
      about->close();
    }
  });
  f.entry("?ABOUT")->trigger();
  returned = true;
  EXPECT_EQ(procedureWhileOpen, "AboutWindow");
  EXPECT_EQ(ErrorManager::instance().procedureName(), "Principal");
}

TEST_F(FrameTest, ClipboardEntriesActOnTheFocusedControl) {
  registry.addWindow("BrowseDolar", [](const ProcedureStart&) -> std::unique_ptr<QWidget> {
    auto edit = std::make_unique<QLineEdit>(QStringLiteral("rojo"));
    edit->setObjectName("?DOL:COTIZACION");
    return edit;
  });
  MainFrame& f = open();
  f.activateWindow();
  f.startProcedure("BrowseDolar");
  QCoreApplication::processEvents();
  auto* edit = f.findChild<QLineEdit*>("?DOL:COTIZACION");
  ASSERT_NE(edit, nullptr);
  edit->setFocus();
  edit->selectAll();
  QCoreApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), edit);

  f.entry("?CUT")->trigger();
  EXPECT_EQ(edit->text(), "");
  f.entry("?PASTE")->trigger();
  f.entry("?PASTE")->trigger();
  EXPECT_EQ(edit->text(), "rojorojo");
  edit->selectAll();
  f.entry("?COPY")->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "rojorojo");
}
