// The keys, the mouse wheel and the popup of a list: moving along the rows,
// the requests by key, Enter on buttons and locators, the cell editor's Escape.
#include "shell/browse/list_window.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QWheelEvent>

namespace bv {

bool ListWindow::eventFilter(QObject* watched, QEvent* event) {
  // The rows fit the list box, whatever changed its height (the window, or a
  // scroll bar shown below it).
  if (event->type() == QEvent::Resize && watched == table_->viewport() && isVisible()) fitPage();
  if (event->type() == QEvent::Wheel && watched == table_->viewport()) {
    const auto* wheel = static_cast<QWheelEvent*>(event);
    ContextGuard guard(context_);
    const int steps = wheel->angleDelta().y() / 120;
    for (int i = 0; i < std::abs(steps) * 3; ++i) move(steps > 0 ? ListMove::Up : ListMove::Down);
    placeScrollBox();
    return true;
  }
  if (event->type() == QEvent::ContextMenu && watched == table_) {
    const auto* menuEvent = static_cast<QContextMenuEvent*>(event);
    ContextGuard guard(context_);
    const QModelIndex at = table_->indexAt(table_->viewport()->mapFromGlobal(menuEvent->globalPos()));
    if (at.isValid()) setCurrentRow(at.row());
    // Shown without a nested event loop: an entry may close the list, and the
    // menu (a child of the list) goes once it is hidden; the entries act from
    // the event loop after it.
    QMenu* menu = popupMenu().release();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
    menu->popup(menuEvent->globalPos());
    return true;
  }
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
  ContextGuard guard(context_);
  if (auto* button = qobject_cast<QPushButton*>(watched)) {
    if (enter && mods == Qt::NoModifier) {
      button->click();
      return true;
    }
    return QWidget::eventFilter(watched, event);
  }
  if (auto* entry = qobject_cast<QLineEdit*>(watched);
      entry && std::find(locators_.begin(), locators_.end(), entry) == locators_.end()) {
    // The in-place editor of a column: Escape drops what was typed.
    if (key->key() == Qt::Key_Escape) {
      entry->deleteLater();
      table_->setFocus();
      return true;
    }
    return QWidget::eventFilter(watched, event);
  }
  if (auto* entry = qobject_cast<QLineEdit*>(watched)) {
    // Enter accepts the locator (never taken as Tab); the list keys still move.
    if (enter) {
      acceptLocatorOf(static_cast<int>(std::find(locators_.begin(), locators_.end(), entry) - locators_.begin()));
      return true;
    }
    switch (key->key()) {
      case Qt::Key_Up: move(ListMove::Up); break;
      case Qt::Key_Down: move(ListMove::Down); break;
      case Qt::Key_PageUp: move(ListMove::PageUp); break;
      case Qt::Key_PageDown: move(ListMove::PageDown); break;
      default: return QWidget::eventFilter(watched, event);
    }
    placeScrollBox();
    return true;
  }
  if (watched != table_) return QWidget::eventFilter(watched, event);
  switch (key->key()) {
    case Qt::Key_Up: move(ListMove::Up); break;
    case Qt::Key_Down: move(ListMove::Down); break;
    case Qt::Key_PageUp: move(ListMove::PageUp); break;
    case Qt::Key_PageDown: move(ListMove::PageDown); break;
    case Qt::Key_Home: move(ListMove::First); break;
    case Qt::Key_End: move(ListMove::Last); break;
    case Qt::Key_Insert:
      if (isConnected(ListAction::Insert)) ask(kInsertRecord);
      return true;
    case Qt::Key_F2:
      for (std::size_t i = 0; i < declaration_.columns.size(); ++i)
        if (declaration_.columns[i].editedInPlace) {
          editCell(static_cast<int>(i));
          break;
        }
      return true;
    case Qt::Key_Delete:
      if (isConnected(ListAction::Delete)) ask(kDeleteRecord);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (mods == Qt::ControlModifier) {
        if (isConnected(ListAction::Change)) ask(kChangeRecord);
      } else if (mods == Qt::ShiftModifier) {
        if (isConnected(ListAction::View)) ask(kViewRecord);
      } else if (request_ == kSelectRecord && isConnected(ListAction::Select)) {
        select();
      } else if (declaration_.enterAsTab) {
        focusNextChild();
      }
      return true;
    default: return QWidget::eventFilter(watched, event);
  }
  placeScrollBox();
  return true;
}

}  // namespace bv
