#include "kalrep/output_menus.h"

#include "kalrep/export_codes.h"

namespace bv {
namespace {

QList<OutputOption> fileOptions() {
  return {
      {QStringLiteral("&CSV"), QStringLiteral("Archivo de Texto delimitado"), kal::kCsv,
       QStringLiteral("EXP_CSV.ico")},
      {QStringLiteral("E&xcel"), QStringLiteral("Archivo de Excel"), kal::kSpreadsheet,
       QStringLiteral("EXP_Excel.ico")},
      {QStringLiteral("&RTF"),
       QStringLiteral("Archivo con formato RTF compatible con Procesador de Texto"), kal::kRtf,
       QStringLiteral("EXP_RTF.ico")},
      {QStringLiteral("&Html"), QStringLiteral("Archivo HTML para Internet"), kal::kHtml,
       QStringLiteral("EXP_Html.ico")},
      {QStringLiteral("&DBF"), QStringLiteral("Archivo DBF"), kal::kDbf,
       QStringLiteral("EXP_DBF.ico")},
  };
}

}  // namespace

OutputMenu outputTypeMenu(int choice) {
  OutputMenu m;
  m.choiceId = QString::fromLatin1(kOutputTypeChoice);
  m.title = QStringLiteral("Seleccione el Tipo de Salida");
  if (choice == kal::kFilesOnly) {
    m.options = fileOptions();
    m.preselected = kal::kSpreadsheet;
  } else if (choice > 100) {
    m.options = {
        {QStringLiteral("&Imp."), QStringLiteral("Salida por Impresora Matricial"), kal::kPrinter,
         QStringLiteral("report.ico")},
        {QStringLiteral("&Laser"), QStringLiteral("Salida por Impresora Laser o Chorro de Tinta"),
         kal::kLaser, QStringLiteral("ReportL.ico")},
        {QStringLiteral("&Texto"), QStringLiteral("Archivo de Texto plano"), kal::kPlainText,
         QStringLiteral("EXP_Text.ico")},
    };
    m.options += fileOptions();
    const int code = choice - 100;
    m.preselected = kal::Byte(code == kal::kPlainText ? kal::kPrinter : code);
  } else {
    m.options = {{QStringLiteral("Imp."), QStringLiteral("Salida por Impresora"), kal::kPrinter,
                  QStringLiteral("report.ico")}};
    m.options += fileOptions();
    m.preselected = kal::Byte(choice);
  }
  return m;
}

OutputMenu exportTypeMenu() {
  OutputMenu m;
  m.choiceId = QString::fromLatin1(kExportTypeChoice);
  m.title = QStringLiteral("Seleccione el Tipo de Exportación");
  m.options = {
      {QStringLiteral("&CSV"), QString(), kal::kCsv, QStringLiteral("EXP_CSV.ico")},
      {QStringLiteral("E&xcel"), QString(), kal::kSpreadsheet, QStringLiteral("EXP_Excel.ico")},
      {QStringLiteral("&RTF"), QString(), kal::kRtf, QStringLiteral("EXP_RTF.ico")},
      {QStringLiteral("&Html"), QString(), kal::kHtml, QStringLiteral("EXP_Html.ico")},
  };
  m.preselected = kal::kCsv;
  return m;
}

}  // namespace bv
