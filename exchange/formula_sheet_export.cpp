#include "exchange/formula_sheet_export.h"

#include "kalrep/export_codes.h"
#include "kalrep/layout_step.h"
#include "kalrep/paper.h"
#include "storage/dictionary/record.h"

namespace bv {

FormulaSheetExport::FormulaSheetExport(Report& report, QString settingsFile)
    : report_(report), settingsFile_(std::move(settingsFile)) {}

void FormulaSheetExport::SETUP() {
  TOTEXT = 0;
  MYHEADER = kHeaderBand;
  MYDETAIL = kDetailBand;
  MYREPORT = &report_;
  KALCOLHTEXTO = 0x000000;
  KALCOLHFONDO = 0xC0C0C0;
  KALCOLPAGE = 0xFFFFFF;
  QUOTECHAR = QStringLiteral("\"");
  FIELDDELIMITER = QStringLiteral(";");
  OMITROWCOLOR = 1;
  KExportManager::SETUP();
  SETFACE(0, QStringLiteral("I"), 1, 1, 1, 1, QStringLiteral("V"), QStringLiteral("Listado"),
          kal::Byte(paper::positionOfCode(currentPrinterPaperCode())), &titles, 0);
}

void FormulaSheetExport::SETCOLOR() {
  KALCOLDTEXTO = 0x000000;
  KALCOLDFONDO = 0xFFFFFF;
  KExportManager::SETCOLOR();
}

bool FormulaSheetExport::start() {
  if (!INIT(QString(), QStringLiteral("RPT:GeneraPlanilla"), settingsFile_, 0, 1, 1,
            kal::kPrinter))
    return false;
  const QString left = QStringLiteral("L");
  ADDFIELD(code, QStringLiteral("@s13"), left, QStringLiteral("Codigo"), 60);
  ADDFIELD(description, QStringLiteral("@s40"), left, QStringLiteral("Descripcion"), 168);
  ADDFIELD(weight, QStringLiteral("@n8.4"), left, QStringLiteral("PesoEsp"), 40);
  for (int slot = 1; slot <= kExportedBasics; ++slot) {
    const QString picture = slot == 1 ? QStringLiteral("@N8.4")
                            : slot == kExportedBasics ? QStringLiteral("@S20")
                                                      : QStringLiteral("@n8.4");
    ADDFIELD(basics[std::size_t(slot - 1)], picture, left, QStringLiteral("basico[%1]").arg(slot),
             slot < 10 ? 44 : 48);
  }
  return RUN() != 0;
}

void FormulaSheetExport::take(const Record& planilla) {
  code = planilla.text("PLA:CODIGO");
  description = planilla.text("PLA:DESCRIPCION");
  weight = planilla.decimal("PLA:PESOESP");
  for (int i = 0; i < kSheetColumns; ++i)
    basics[std::size_t(i)] = planilla.decimal("PLA:BASICO", i + 1);
}

}  // namespace bv
