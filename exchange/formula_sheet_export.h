#pragma once
// The formula sheet's use of the export library (RPT:GeneraPlanilla): its
// columns (the code, description and specific weight, then basic products 1 to
// 22), its colours and page, and the variables the columns read, filled from
// each Planilla record.
#include <QStringList>
#include <array>

#include "exchange/formula_sheet_columns.h"
#include "kalrep/kexport_manager.h"

namespace bv {

class Record;
class Report;

class FormulaSheetExport : public KExportManager {
 public:
  static constexpr kal::Short kHeaderBand = 1;
  static constexpr kal::Short kDetailBand = 2;
  static constexpr int kExportedBasics = 22;

  // The printer outputs lay their controls out in `report`; saved column
  // layouts are kept in the settings file named.
  explicit FormulaSheetExport(Report& report,
                              QString settingsFile = QStringLiteral("bravent.INI"));

  void SETUP() override;
  void SETCOLOR() override;

  // INIT (the user chooses the output, the printer preselected), the columns,
  // RUN. False when there is to be no output.
  bool start();
  // The columns' variables from a Planilla record.
  void take(const Record& planilla);

  QString code;
  QString description;
  Decimal weight;
  std::array<Decimal, kSheetColumns> basics;
  QStringList titles;  // extra title lines of the printed sheet (none)

 private:
  Report& report_;
  QString settingsFile_;
};

}  // namespace bv
