#pragma once
// The frame's toolbar ("?TOOLBAR"): four groups of icon buttons that act on the
// active list or form.
#include "shell/frame/toolbar_target.h"

#include <QHash>
#include <QList>
#include <QToolBar>

class QAction;
class QActionGroup;

namespace bv {

struct ToolbarButton {
  ToolbarAction action;
  QString name;  // "?TOOLBAR:INSERT"
  QString icon;  // "wizIns.ico"
  QString tip;
};

struct ToolbarGroup {
  QString name;  // "?FRAMEEDITGROUP"
  QList<ToolbarButton> buttons;
};

const QList<ToolbarGroup>& toolbarGroups();

class FrameToolbar : public QToolBar {
  Q_OBJECT
 public:
  explicit FrameToolbar(QWidget* parent = nullptr);

  QAction* action(ToolbarAction which) const { return actions_.value(which); }
  // Enables the buttons the target takes (every button off without a target).
  void follow(ToolbarTarget* target);

 signals:
  void triggered(ToolbarAction action);

 private:
  QHash<ToolbarAction, QAction*> actions_;
};

}  // namespace bv
