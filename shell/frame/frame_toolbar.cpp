#include "shell/frame/frame_toolbar.h"

#include "shell/system_images.h"

#include <QAction>
#include <QActionGroup>
#include <QWidget>

namespace bv {
namespace {

QList<ToolbarGroup> build() {
  using A = ToolbarAction;
  auto b = [](A a, const char* name, const char* icon, const char* tip) {
    return ToolbarButton{a, QString::fromUtf8(name), QString::fromUtf8(icon), QString::fromUtf8(tip)};
  };
  return {
      {QStringLiteral("?FRAMEEDITGROUP"),
       {b(A::Insert, "?TOOLBAR:INSERT", "wizIns.ico", "Agregar"),
        b(A::Change, "?TOOLBAR:CHANGE", "wizEdit.ico", "Modificar"),
        b(A::Delete, "?TOOLBAR:DELETE", "wizDel.ico", "Borrar")}},
      {QStringLiteral("?FRAMENAVIGATEGROUP"),
       {b(A::Top, "?TOOLBAR:TOP", "wizFirst.ico", "Primer registro"),
        b(A::PageUp, "?TOOLBAR:PAGEUP", "wizPgUp.ico", "Página anterior"),
        b(A::Up, "?TOOLBAR:UP", "wizUp.ico", "Registro anterior"),
        b(A::Locate, "?TOOLBAR:LOCATE", "wizFind.ico", "Buscar"),
        b(A::Down, "?TOOLBAR:DOWN", "wizDown.ico", "Registro siguiente"),
        b(A::PageDown, "?TOOLBAR:PAGEDOWN", "wizPgDn.ico", "Página siguiente"),
        b(A::Bottom, "?TOOLBAR:BOTTOM", "wizLast.ico", "Último registro")}},
      {QStringLiteral("?FRAMEHISTORYGROUP"),
       {b(A::History, "?TOOLBAR:HISTORY", "wizDitto.ico", "Repetir el valor anterior")}},
      {QStringLiteral("?FRAMEHELPGROUP"), {b(A::Help, "?TOOLBAR:HELP", "wizHelp.ico", "Ayuda")}},
  };
}

}  // namespace

const QList<ToolbarGroup>& toolbarGroups() {
  static const QList<ToolbarGroup> groups = build();
  return groups;
}

FrameToolbar::FrameToolbar(QWidget* parent) : QToolBar(parent) {
  setObjectName(QStringLiteral("?TOOLBAR"));
  setWindowTitle(QStringLiteral("Barra de herramientas"));
  setMovable(false);
  setIconSize(QSize(24, 24));
  bool first = true;
  for (const ToolbarGroup& group : toolbarGroups()) {
    if (!first) addSeparator();
    first = false;
    auto* actionGroup = new QActionGroup(this);
    actionGroup->setObjectName(group.name);
    actionGroup->setExclusive(false);
    for (const ToolbarButton& button : group.buttons) {
      QAction* a = addAction(systemIcon(button.icon), button.tip);
      a->setObjectName(button.name);
      a->setToolTip(button.tip);
      a->setEnabled(false);
      actionGroup->addAction(a);
      if (QWidget* w = widgetForAction(a)) w->setObjectName(button.name);
      const ToolbarAction which = button.action;
      connect(a, &QAction::triggered, this, [this, which] { emit triggered(which); });
      actions_.insert(which, a);
    }
  }
}

void FrameToolbar::follow(ToolbarTarget* target) {
  for (auto it = actions_.cbegin(); it != actions_.cend(); ++it)
    it.value()->setEnabled(target && target->takesToolbarAction(it.key()));
}

}  // namespace bv
