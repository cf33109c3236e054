#pragma once
// What one list window does beyond the common behaviour. A declaration names
// the class; each window it opens makes its own object, which holds the
// window's working values and overrides the hooks it needs. Every hook gets
// the window, through which it reaches the rows, the buffers and the managers.
#include "shell/values/working_values.h"

#include <QString>
#include <functional>
#include <vector>

namespace bv {

class ListWindow;

// An entry the list adds to its popup menu after its own.
struct PopupEntry {
  QString text;
  std::function<void(ListWindow&)> act;
  bool separatorBefore = false;
};

class ListBehaviour {
 public:
  virtual ~ListBehaviour() = default;

  WorkingValues& values() { return values_; }

  // The list is built and its files are open; it has not read its rows yet.
  virtual void opening(ListWindow&) {}
  // A row was made current with the mouse.
  virtual void rowClicked(ListWindow&, int row) {}
  // A cell was clicked with the left button, after rowClicked (a mark column
  // flips its row's mark).
  virtual void cellClicked(ListWindow&, int row, int column) {}
  // Entries added to the popup menu.
  virtual std::vector<PopupEntry> popupEntries(ListWindow&) { return {}; }

 protected:
  WorkingValues values_;
};

}  // namespace bv
