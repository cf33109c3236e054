#pragma once
// Window positions kept in the settings file: every window saves its placement
// (maximized or not, its normal position and, when resizable, its size) in the
// section of its name when it closes, and restores it before it is shown.
//
// A window is either a top-level window (the main frame) or a child window of
// the frame's area; for a child the frame it sits in is what is placed.
#include "runtime/window_position_store.h"
#include "storage/settings/window_geometry.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>

class QWidget;

namespace bv {

// A widget as the settings object sees it. A maximized child window keeps no
// normal geometry of its own in Qt, so the placement follows the widget and
// remembers the last geometry it had while it was neither maximized nor
// minimized.
class WidgetPlacement : public QObject, public WindowGeometry {
 public:
  explicit WidgetPlacement(QWidget& widget);

  bool isMaximized() const override;
  bool isResizable() const override;
  QRect normalGeometry() const override;
  // Marks the window maximized; a hidden window shows itself maximized when it
  // is shown, a visible one is maximized at once.
  void showMaximized() override;
  void setPosition(int x, int y) override;
  void setSize(int width, int height) override;

  QWidget* widget() const { return widget_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void remember();
  QPointer<QWidget> widget_;
  QRect normal_;
};

// Saves and restores a widget's placement in the section `name` through the
// program's settings object.
bool saveWindowPlacement(const QString& name, const WidgetPlacement& placement);
bool restoreWindowPlacement(const QString& name, WidgetPlacement& placement);

// Keeps one window's placement: restore() before the window is first shown, and
// the placement is saved each time the window closes.
class PlacementKeeper : public WidgetPlacement {
 public:
  PlacementKeeper(QWidget& widget, QString name);
  const QString& name() const { return name_; }
  // True when a saved placement was found and applied.
  bool restore();
  bool save();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QString name_;
};

// Where a window of `size` goes beside `anchor` (screen coordinates): to its
// right, else to its left when the right has no room, always inside `screen`.
QPoint besideWindow(const QRect& anchor, const QSize& size, const QRect& screen);

// The window position store of the runtime's own windows (the print preview and
// its page question), over the settings file.
class SettingsPositionStore : public WindowPositionStore {
 public:
  void save(const QString& name, QWidget& window) override;
  void restore(const QString& name, QWidget& window) override;
  // The one store of the program.
  static SettingsPositionStore& instance();
};

}  // namespace bv
