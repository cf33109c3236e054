#pragma once
// What the marking list of ImprimirEtiquetas does beyond a list: the question
// about earlier marks on opening, the click on the mark column, and the
// popup's mark entries. The mark actions themselves are free functions, so
// the buttons and the popup share them.
#include <QString>
#include <vector>

#include "shell/behaviour/list_behaviour.h"

namespace bv::labels {

inline const QString kMarkText = QStringLiteral("LOC:MARCA");  // "*" for a marked order

enum class MarkAction { Mark, Unmark, Flip, MarkAll, UnmarkAll, FlipAll, Previous, Next };

struct MarkEntry {
  QString text;  // "&Marca"
  QString name;  // "?Marca"
  QString icon;  // "~TAGONE.ICO"
  MarkAction action;
  bool startsGroup;  // a line before it in the popup menu
};
// The eight mark entries in the order of the buttons.
const std::vector<MarkEntry>& markEntries();

// Acts on the list's current order, on every order of its view, or moves to
// the previous or next marked one ("No hay más registros marcados!" when there
// is none that way).
void actOnMarks(ListWindow& list, MarkAction action);

class MarkingBehaviour : public ListBehaviour {
 public:
  void opening(ListWindow& list) override;
  void cellClicked(ListWindow& list, int row, int column) override;
  std::vector<PopupEntry> popupEntries(ListWindow& list) override;
};

}  // namespace bv::labels
