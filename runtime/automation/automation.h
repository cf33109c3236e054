#pragma once
// The automation object through which the program talks to the spreadsheet: it
// takes statements ("Workbooks.Open (\"planilla.xls\")", "Application.Quit"),
// property assignments ("Application.Range(\"A2\").FormulaR1C1" = "12.5") and
// property reads ("Application.Range(\"A3\").Value"), and answers them over a
// workbook it keeps in memory. A statement or property it does not know fails
// the way a failed property read does: the read answers kReadFailure.
#include <QString>
#include <memory>

namespace bv {

class Automation {
 public:
  // What a property read answers when it fails.
  static inline const QString kReadFailure = QStringLiteral("GETPROPERTYFA");

  virtual ~Automation() = default;
  // Runs a statement; false when it is unknown or fails.
  virtual bool send(const QString& statement) = 0;
  // Sets a property; false when it is unknown or the value does not fit it.
  virtual bool assign(const QString& property, const QString& value) = 0;
  // Reads a property as text (a statement given here is run, answering ""), or
  // kReadFailure.
  virtual QString get(const QString& property) = 0;

  // The object behind an automation container of this class ("Excel.Application",
  // "Excel.VBAModule", "Excel.Sheet"), with a new empty workbook; nullptr for a
  // class it does not stand in for.
  static std::unique_ptr<Automation> create(const QString& className);
};

}  // namespace bv
