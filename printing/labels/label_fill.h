#pragma once
// "Imprimir" of the start window: the work table Etiquetas laid out anew from
// the marked orders, one record per row of the sheet with the left label in
// the lines ending in 1 and the right one in those ending in 2. The rows above
// the start row stay blank, and so does the left half of the start row when
// printing starts in the right column. Each order gives PRO1:CANTIDAD_ETIQUETAS
// labels (at least one): its product (description " - " code), its line's
// description and its customer's name, blank where the record is missing.
//
// The work table is emptied and refilled in one transaction: a failure leaves
// the rows of the last run and shows its message after the rollback. The
// marks are left as they are.
//
// The start window and bravent-cli run the same steps:
//
//   LabelFill fill(files, context);
//   fill.totalLabels(total);         // the count the window shows
//   fill.fill({row, column}, progress);
#include <functional>

#include "printing/labels/label_sheet.h"
#include "runtime/context.h"

namespace bv {

class FileManager;
class FileManagers;

class LabelFill {
 public:
  // The share of labels placed so far, 0 to 100.
  using Progress = std::function<void(int percent)>;

  LabelFill(FileManagers& files, ContextId context);

  // The sum over the marked orders of their label counts (each at least 1).
  // Answers 0, or the level of a failure (its message shown).
  int totalLabels(int& total);
  // Fills the work table from `start` (row 1 to 8, column 1 or 2). Progress is
  // told after each label and set back to 0 at the end. Answers 0, or the
  // level of a failure (its message shown).
  int fill(const labels::SheetPosition& start, const Progress& progress = {});

 private:
  FileManagers& files_;
  ContextId context_;
};

}  // namespace bv
