#pragma once
// What the frame's toolbar drives: the active child window, when it is a list or
// a form that takes toolbar actions. A window takes part by deriving from
// ToolbarTarget beside its widget class; the frame asks the active child which
// actions it takes whenever the active child changes, or when the child calls
// ToolbarTarget::changed() after its own state changed.
class QWidget;

namespace bv {

enum class ToolbarAction {
  Insert,
  Change,
  Delete,
  Top,
  PageUp,
  Up,
  Locate,
  Down,
  PageDown,
  Bottom,
  History,
  Help,
};

class ToolbarTarget {
 public:
  virtual ~ToolbarTarget() = default;
  virtual bool takesToolbarAction(ToolbarAction action) const = 0;
  virtual void toolbarAction(ToolbarAction action) = 0;

  // Tells the frame that holds `window` to ask again which actions it takes.
  static void changed(QWidget& window);
};

}  // namespace bv
