#include "shell/frame/main_frame.h"

#include "shell/call_window.h"
#include "shell/child_window.h"
#include "shell/frame/about_window.h"
#include "shell/frame/frame_area.h"
#include "shell/frame/frame_rules.h"
#include "shell/frame/frame_toolbar.h"
#include "shell/frame/version_panel.h"
#include "shell/globals.h"
#include "shell/request_codes.h"
#include "shell/system_images.h"
#include "shell/window_placement.h"
#include "storage/errors/error_manager.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>

namespace bv {
namespace {

constexpr QSize kFirstSize(900, 640);

}  // namespace

void ToolbarTarget::changed(QWidget& window) {
  if (auto* frame = qobject_cast<MainFrame*>(window.window())) frame->refreshToolbar();
}

MainFrame::MainFrame(FrameData& data, const ProcedureRegistry& registry, QWidget* parent)
    : QMainWindow(parent), data_(data), registry_(registry), area_(new FrameArea(this)) {
  setObjectName(kProcedureName);
  setWindowTitle(kTitle);
  setWindowIcon(systemIcon(QStringLiteral("Bravent.ico")));
  QFont frameFont = font();
  frameFont.setFamily(QStringLiteral("MS Sans Serif"));
  setFont(frameFont);
  setProperty("helpContext", QStringLiteral("~Principal"));

  area_->setBackgroundImage(systemPixmap(QStringLiteral("yelmosobrerojo.jpg")));
  setCentralWidget(area_);
  launcher_ = std::make_unique<ProcedureLauncher>(registry_, area_);
  connect(area_, &QMdiArea::subWindowActivated, this, &MainFrame::refreshToolbar);

  buildMenus();
  buildToolbar();
  statusBar()->setObjectName(QStringLiteral("?STATUSBAR"));
  resize(kFirstSize);
  placement_ = new PlacementKeeper(*this, kProcedureName);  // owned by the frame
}

MainFrame::~MainFrame() { shut(); }

void MainFrame::buildMenus() {
  for (const MenuDef& def : frameMenus()) {
    QMenu* menu = menuBar()->addMenu(def.text);
    menu->setObjectName(def.name);
    menu->menuAction()->setObjectName(def.name);
    menu->setToolTipsVisible(true);
    for (const MenuEntry& e : def.entries) {
      if (e.command == MenuCommand::Separator) {
        menu->addSeparator();
        continue;
      }
      QAction* a = menu->addAction(e.text);
      a->setObjectName(e.name);
      if (!e.tip.isEmpty()) {
        a->setToolTip(e.tip);
        a->setStatusTip(e.tip);
      }
      if (!e.procedure.isEmpty()) a->setEnabled(registry_.contains(e.procedure));
      if (e.restricted) restricted_.append(a);
      connect(a, &QAction::triggered, this, [this, e] { run(e); });
      entries_.insert(e.name, a);
    }
  }
}

void MainFrame::buildToolbar() {
  toolbar_ = new FrameToolbar(this);
  addToolBar(Qt::TopToolBarArea, toolbar_);
  connect(toolbar_, &FrameToolbar::triggered, this, &MainFrame::toolbarAction);
  toolbar_->addSeparator();
  panel_ = new VersionPanel(toolbar_);
  toolbar_->addWidget(panel_);
  QPushButton* button = panel_->newProductionButton();
  button->setEnabled(registry_.contains(procedure_names::kNuevaProduccion));
  connect(button, &QPushButton::clicked, this, [this] { newProduction(); });
}

void MainFrame::open() {
  if (opened_) return;
  ContextGuard guard(ExecutionContext::kMain);
  ErrorManager::instance().setProcedureName(kProcedureName);
  presenterScope_.emplace(presenter_);
  clearGlobalCodes();
  data_.open();
  opened_ = true;
  placement_->restore();
  show();

  environment_.load();  // the runtime's locale settings; the result is not checked
  glo().ModificaFormulas = data_.modificaFormulas();
  hideRestrictedEntries();
  panel_->showVersion(data_.version());
}

void MainFrame::hideRestrictedEntries() {
  // Decided once: a later change of the switch does not show them again.
  const bool allowed = restrictedEntriesAllowed(glo().ModificaFormulas);
  for (QAction* a : restricted_) a->setVisible(allowed);
}

void MainFrame::run(const MenuEntry& e) {
  ContextGuard guard(ExecutionContext::kMain);
  switch (e.command) {
    case MenuCommand::Procedure: startProcedure(e.procedure); break;
    case MenuCommand::Parameters: startParametersForm(e.procedure); break;
    case MenuCommand::NewProduction: newProduction(); break;
    case MenuCommand::PrintSetup: printerSetup(); break;
    case MenuCommand::Exit: close(); break;
    case MenuCommand::Cut: clipboard("cut"); break;
    case MenuCommand::Copy: clipboard("copy"); break;
    case MenuCommand::Paste: clipboard("paste"); break;
    case MenuCommand::Cascade: area_->cascadeSubWindows(); break;
    case MenuCommand::TileHorizontal: area_->tileHorizontally(); break;
    case MenuCommand::TileVertical: area_->tileVertically(); break;
    case MenuCommand::ArrangeIcons: area_->arrangeIcons(); break;
    case MenuCommand::About: showAbout(); break;
    case MenuCommand::Separator: break;
  }
}

ContextId MainFrame::startProcedure(const QString& name) {
  ContextGuard guard(ExecutionContext::kMain);
  return launcher_->start(name);
}

ContextId MainFrame::startParametersForm(const QString& procedure) {
  ContextGuard guard(ExecutionContext::kMain);
  glo().AccionParametros = parametersAction(data_.parametHasRecord());
  return launcher_->start(procedure);
}

ContextId MainFrame::newProduction() {
  ContextGuard guard(ExecutionContext::kMain);
  glo().NuevaProduccion = nextProductionNumber(data_.highestProduction());
  return launcher_->start(procedure_names::kNuevaProduccion);
}

void MainFrame::showAbout() {
  ContextGuard guard(ExecutionContext::kMain);
  runAboutWindow(this);
}

void MainFrame::printerSetup() {
  // The printer chosen here stays the frame's for the rest of the run.
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPageSetupDialog dialog(printer_.get(), this);
  dialog.setObjectName(QStringLiteral("PrinterSetup"));
  dialog.exec();
}

void MainFrame::clipboard(const char* action) {
  // The standard editing actions of the focused control, when it has them.
  if (QWidget* focused = QApplication::focusWidget())
    QMetaObject::invokeMethod(focused, action);
}

ToolbarTarget* MainFrame::activeTarget() const {
  QMdiSubWindow* active = area_->activeSubWindow();
  return active ? dynamic_cast<ToolbarTarget*>(active->widget()) : nullptr;
}

void MainFrame::refreshToolbar() { toolbar_->follow(activeTarget()); }

void MainFrame::toolbarAction(ToolbarAction action) {
  ToolbarTarget* target = activeTarget();
  if (!target || !target->takesToolbarAction(action)) return;
  // The list or form acts in its own context, as it does in its own slots.
  ContextGuard guard(childContext(*area_->activeSubWindow()));
  target->toolbarAction(action);
}

void MainFrame::closeEvent(QCloseEvent* event) {
  // Every child window is asked first; one that stays open (a form whose user
  // went back to it) keeps the frame open too.
  if (!closeChildWindows(*area_)) {
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
  shut();
  emit closed();
}

void MainFrame::shut() {
  if (!opened_) return;
  opened_ = false;
  ContextGuard guard(ExecutionContext::kMain);
  data_.close();
  ErrorManager::instance().removeProcedureName(kProcedureName);
  presenterScope_.reset();
}

void runMainFrame(FrameData& data, const ProcedureRegistry& registry) {
  MainFrame frame(data, registry);
  QEventLoop loop;
  QObject::connect(&frame, &MainFrame::closed, &loop, &QEventLoop::quit);
  frame.open();
  loop.exec();
}

}  // namespace bv
