#pragma once
// The spreadsheet stand-in: the statements and properties the program uses,
// over a workbook in memory that is read from ".xls" and ".xlsx" files and
// saved as ".xlsx".
//
//   Workbooks.Open ("path") / Workbooks.Close ("path") / Quit
//   Range("A1").Value, .FormulaR1C1, .Formula, .Text           read and assign
//   Range("A1").Interior.ColorIndex, .Interior.Pattern,
//   Range("A1").Font.ColorIndex                                  read and assign
//   Range("A1:Y1").Select, Selection.Merge, Range("A1:B1").Merge
//   Selection.Borders(i).LineStyle, .Weight, .ColorIndex          assign
//     (i: 1 left, 2 right, 3 top, 4 bottom of every cell; 7 to 10 the outer
//      left, top, bottom and right edges; 11 inside vertical, 12 inside
//      horizontal lines)
//   Columns("A:Y").EntireColumn.AutoFit
//   ActiveWorkbook.SaveAs("path", ...)   saves as ".xlsx" whatever the name says
// Every name may be preceded by "Application.".
#include <optional>

#include "runtime/automation/automation.h"
#include "runtime/automation/workbook.h"

namespace bv {

class Statement;

class WorkbookAutomation : public Automation {
 public:
  WorkbookAutomation();
  bool send(const QString& statement) override;
  bool assign(const QString& property, const QString& value) override;
  QString get(const QString& property) override;

  // The workbook in use, or nullptr once it is closed or the application quit.
  const Workbook* workbook() const { return book_ ? &*book_ : nullptr; }
  bool hasQuit() const { return quit_; }

 private:
  bool run(Statement& s);
  bool assignCells(const Statement& s, const QString& value);
  bool assignBorders(const Statement& s, int from, const CellRange& range, const QString& value);
  std::optional<QString> read(const Statement& s);
  // The cells a statement's first member names: Range("...") or Selection.
  std::optional<CellRange> target(const Statement& s) const;
  bool open(const QString& path);
  bool saveAs(const QString& path);

  std::optional<Workbook> book_;
  CellRange selection_{{1, 1}, {1, 1}};
  bool quit_ = false;
};

}  // namespace bv
