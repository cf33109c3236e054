#include "kalrep/kex_report_manager.h"

namespace bv {

KExReportManager::KExReportManager() = default;
KExReportManager::~KExReportManager() = default;

void KExReportManager::INIT(const QString& IniEntry, const QString& IniFile) {
  TOTEXT = 0;
  TOTEXTVERTICAL = QString(QChar(0x2502));  // character 179 of the printer's OEM set: "│"
  TOTEXTHORIZONTAL = QStringLiteral("-");
  TOTEXTCONNECT = QStringLiteral(" ");
  KExpManager::INIT(IniEntry, IniFile);
  layout().init(ININAME, INIENTRYNAME, MYPICTUREQUEUE, true);
}

void KExReportManager::BEFOREROW() {}

kal::Byte KExReportManager::OPEN() {
  if (ISOPEN) return 1;
  ISOPEN = 1;
  WITHCOLOR = layout().KAL_COLORES_SI;
  countVisibleColumns();
  return 1;
}

kal::Byte KExReportManager::TAKERECORD() {
  BEFOREROW();
  return 1;
}

kal::Byte KExReportManager::FORCEHEADER() {
  BEFOREROW();
  return 1;
}

kal::Byte KExReportManager::FORCELINE(const QString&, const QString&, kal::Colour, kal::Colour) {
  return 1;
}

kal::Byte KExReportManager::FORCERECORD(const QString&, kal::Colour, kal::Colour) { return 1; }

void KExReportManager::KILL() {}

}  // namespace bv
