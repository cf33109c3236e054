#pragma once
// The marks of the production orders for label printing (PRO1:MARCA: "I"
// marked, blank not). Every change is written to the order at once through
// its relation manager, read again for change first, so a mark set over
// another station's change of the same order is refused as any change is.
// The marking list and the tests use it.
#include <QString>
#include <vector>

#include "storage/filelayer/file_layer.h"

namespace bv {

class RelationManager;

class OrderMarks {
 public:
  enum class Change { Mark, Unmark, Flip };

  // The relation manager of Produc01, opened by the caller.
  explicit OrderMarks(RelationManager& orders) : orders_(orders) {}

  // The mark an order has after a change.
  static QString changed(const QString& mark, Change change);
  static bool isMarked(const QString& mark);

  // Writes the change to the order at `position`; 0, or the level of the
  // failure (its message shown). An order whose mark is already what the
  // change makes is not written.
  int apply(RecordPosition position, Change change);
  // The same for several orders; stops at the first failure.
  int apply(const std::vector<RecordPosition>& positions, Change change);
  // Whether any order is marked, and the positions of the marked ones, read
  // by PRO1:KEYMAR.
  bool anyMarked();
  std::vector<RecordPosition> marked();
  // Clears the mark of every order.
  int clearAll() { return apply(marked(), Change::Unmark); }

 private:
  RelationManager& orders_;
};

}  // namespace bv
