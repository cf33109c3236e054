#pragma once
// The worker behind the three printer outputs (printer, laser printer, plain
// text): it lays the caller's columns out as run-time controls of the caller's
// report, which then prints its own detail band. This worker keeps the fields
// and the calling protocol of the printer outputs; OPEN and TAKERECORD answer
// true, as the printer side never fails a record.
#include <QStringList>

#include "kalrep/kexp_manager.h"

namespace bv {

class Report;

class KExReportManager : public KExpManager {
 public:
  kal::Short MYHEADER = 0;     // control number of the caller's header band
  kal::Short MYDETAIL = 0;     // control number of the caller's detail band
  Report* MYREPORT = nullptr;  // the caller's report (not owned)
  kal::Short MYCONTROL_FECHA = 0;
  kal::Short MYCONTROL_FECHA_PROMPT = 0;
  kal::Short MYCONTROL_HORA = 0;
  kal::Short MYCONTROL_HORA_PROMPT = 0;
  kal::Short MYCONTROL_PAGINA_NRO = 0;
  kal::Short MYCONTROL_TITULO = 0;
  kal::Short MYCONTROL_HEADERLIST = 0;     // base of the heading-cell controls
  kal::Byte TOTEXT = 0;                    // draw rules with characters
  QString TOTEXTVERTICAL;                  // vertical rule character
  QString TOTEXTHORIZONTAL;                // horizontal rule character
  QString TOTEXTCONNECT;                   // crossing character
  kal::Short MYCONTROL_CONTENIDOLIST = 0;  // base of the detail-cell controls
  const QStringList* TITULOS = nullptr;    // the caller's extra title lines (not owned)

  KExReportManager();
  ~KExReportManager() override;

  // Rule characters to their defaults, then the base INIT and the layout with
  // page options.
  void INIT(const QString& IniEntry, const QString& IniFile) override;
  // Called first by TAKERECORD and FORCEHEADER.
  virtual void BEFOREROW();

  kal::Byte OPEN();
  kal::Byte TAKERECORD();
  kal::Byte FORCEHEADER();
  kal::Byte FORCELINE(const QString& Text, const QString& Justification, kal::Colour TextColour,
                      kal::Colour BackColour);
  kal::Byte FORCERECORD(const QString& Values, kal::Colour TextColour, kal::Colour BackColour);
  void KILL();
};

}  // namespace bv
