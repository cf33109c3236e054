#pragma once
// The main frame "Vantora - Sistema de Colores": the menu from which every list,
// form, process and listing is started, the toolbar that drives the active list
// or form, the "Nueva Producción" button and the version of the installed data.
// Every procedure it starts opens inside its area in an execution context of its
// own; the frame never waits for one. Closing the frame ends the program.
//
// Control names: the menus and entries carry their names ("?FILE",
// "?BROWSEBASICOS"), the toolbar "?TOOLBAR" with its groups and buttons
// ("?FRAMEEDITGROUP", "?TOOLBAR:INSERT"), the button "?BUTTON13", the texts
// "?VER:VERSION" and "?VER:FECHA".
#include "runtime/message_presenter.h"
#include "shell/frame/environment_file.h"
#include "shell/frame/frame_data.h"
#include "shell/frame/menu_tree.h"
#include "shell/frame/toolbar_target.h"
#include "shell/message_window.h"
#include "shell/procedure_launcher.h"
#include "shell/procedure_registry.h"

#include <QHash>
#include <QMainWindow>
#include <memory>
#include <optional>

class QAction;
class QPrinter;

namespace bv {

class FrameArea;
class FrameToolbar;
class PlacementKeeper;
class VersionPanel;

class MainFrame : public QMainWindow {
  Q_OBJECT
 public:
  static inline const QString kProcedureName = QStringLiteral("Principal");
  static inline const QString kTitle = QStringLiteral("Vantora - Sistema de Colores");

  // The registry must hold every procedure the menu starts before the frame is
  // made: an entry whose procedure is not registered is disabled.
  MainFrame(FrameData& data, const ProcedureRegistry& registry, QWidget* parent = nullptr);
  ~MainFrame() override;

  // The frame's opening: reports "Principal", installs the message window for
  // every message box of the program, clears the request and response codes,
  // opens its files, shows the window, loads "Bravent.ENV", copies
  // PAR:MODIFICAFORMULAS into Glo:ModificaFormulas (hiding the restricted entries
  // for the frame's whole life unless it is "S") and shows the data's version.
  void open();

  FrameArea* area() const { return area_; }
  FrameToolbar* frameToolbar() const { return toolbar_; }
  VersionPanel* versionPanel() const { return panel_; }
  ProcedureLauncher& launcher() { return *launcher_; }
  const EnvironmentFile& environment() const { return environment_; }
  // The menu entry with this control name.
  QAction* entry(const QString& name) const { return entries_.value(name); }

  // What the menu entries do.
  void run(const MenuEntry& entry);
  ContextId startProcedure(const QString& name);
  // Sets Glo:AccionParametros from the Paramet file, then starts the form.
  ContextId startParametersForm(const QString& procedure);
  // Sets Glo:NuevaProduccion to the next production number, then starts the
  // production form.
  ContextId newProduction();
  void showAbout();
  void printerSetup();

  // Enables the toolbar buttons that the active child window takes.
  void refreshToolbar();

 signals:
  // The frame has closed: its files are closed and its message window removed.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void buildToolbar();
  void hideRestrictedEntries();
  void clipboard(const char* action);
  void toolbarAction(ToolbarAction action);
  ToolbarTarget* activeTarget() const;
  void shut();

  FrameData& data_;
  const ProcedureRegistry& registry_;
  FrameArea* area_;
  FrameToolbar* toolbar_ = nullptr;
  VersionPanel* panel_ = nullptr;
  PlacementKeeper* placement_;
  std::unique_ptr<ProcedureLauncher> launcher_;
  QtMessagePresenter presenter_;
  std::optional<PresenterScope> presenterScope_;
  EnvironmentFile environment_;
  QHash<QString, QAction*> entries_;
  QList<QAction*> restricted_;
  std::unique_ptr<QPrinter> printer_;
  bool opened_ = false;
};

// The whole life of the frame: opens it, runs until the user closes it, and
// closes it.
void runMainFrame(FrameData& data, const ProcedureRegistry& registry);

}  // namespace bv

namespace bv {

// Starts a registered procedure "on a new thread" from a window inside the
// main frame (a list that starts the cost sheet of its current row); answers
// its context, 0 when the window is not in a frame.
ContextId startProcedureFrom(QWidget* window, const QString& name);

}  // namespace bv
