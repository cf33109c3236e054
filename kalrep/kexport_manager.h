#pragma once
// The export library's one entry point for the program: a report procedure
// derives its own class from KExportManager, describes its columns once, and
// hands over one record at a time. INIT asks the user for the kind of output
// (unless the caller fixes it) and chooses one worker for the life of the
// object: the process worker for the five file outputs, the report worker for
// the printer outputs. Every other call is forwarded to that worker.
//
// The calling order:
//   INIT (false: no output; INIT ends by calling SETUP), ADDFIELD per column,
//   RUN (false: stop), then per record OPEN and TAKERECORD (false: stop; when
//   ISAREPORT the caller prints its own detail band), CLOSE at the end, and
//   EXITNOW to skip the caller's print preview for a file output.
#include <QString>
#include <QStringList>
#include <memory>

#include "kalrep/field_binding.h"
#include "kalrep/kal_types.h"
#include "kalrep/kex_process_manager.h"
#include "kalrep/kex_report_manager.h"

namespace bv {

class Report;

class KExportManager {
 public:
  kal::Colour KALCOLHTEXTO = 0;          // heading text colour
  kal::Colour KALCOLHFONDO = 0;          // heading background colour
  kal::Colour KALCOLDTEXTO = 0;          // detail text colour
  kal::Colour KALCOLDFONDO = 0;          // detail background colour
  kal::Byte WITHCOLOR = 0;               // colours in use (the worker's, after OPEN)
  kal::Short MYHEADER = 0;               // control number of the report's heading band
  kal::Short MYDETAIL = 0;               // control number of the report's detail band
  Report* MYREPORT = nullptr;            // the caller's report (printer outputs draw into it)
  kal::Byte TOTEXT = 0;                  // draw the printed grid with characters
  QString TOTEXTVERTICAL;                // character for vertical rules
  QString TOTEXTHORIZONTAL;              // character for horizontal rules
  QString TOTEXTCONNECT;                 // character for crossings
  kal::Colour KALCOLPAGE = 0;            // page background colour (HTML table background)
  QString QUOTECHAR;                     // quote for delimited text
  QString FIELDDELIMITER;                // delimiter for delimited text
  kal::Byte OMITROWCOLOR = 0;            // do not colour detail rows (spreadsheet output)
  kal::Byte ISOPEN = 0;                  // cleared by INIT; the workers keep their own
  kal::Byte ISAPROCESS = 0;              // 1 file output through P, 0 printer output through R
  kal::Byte EXPT = 0;                    // export-type code in force (10 for the printer kinds)
  kal::Byte TEXTEXPT = 0;                // printer kind chosen (10, 13, 14); 11 for a file
  std::unique_ptr<KExProcessManager> P;  // worker for file outputs
  std::unique_ptr<KExReportManager> R;   // worker for printer outputs

  KExportManager();
  KExportManager(const KExportManager&) = delete;
  KExportManager& operator=(const KExportManager&) = delete;

  // Virtual operations, in slot order; the caller may replace both.
  // Copies the caller's settings into the worker.
  virtual void SETUP();
  // Copies the detail colours into the worker (before every record).
  virtual void SETCOLOR();
  virtual ~KExportManager();

  // Type 0, 12 or 15 asks with the output-type window (Choice preselects; 12
  // offers the files only, 15 adds the printer and text outputs); any other
  // Type is the export-type code itself. False when the user cancels.
  kal::Byte INIT(const QString& FileName, const QString& IniEntry, const QString& IniFile,
                 kal::Byte Type, kal::Byte IncHeader, kal::Byte CreateFile, kal::Byte Choice);
  void ADDFIELD(FieldBinding Field, const QString& Picture, const QString& Justification,
                const QString& Heading, kal::Short Width);
  kal::Byte RUN();
  kal::Byte OPEN();
  kal::Byte TAKERECORD();
  void CLOSE();
  kal::Byte FORCEHEADER();
  kal::Byte FORCELINE(const QString& Text, const QString& Justification, kal::Colour TextColour,
                      kal::Colour BackColour);
  kal::Byte FORCERECORD(const QString& Values, kal::Colour TextColour, kal::Colour BackColour);
  void SETFACE(kal::Byte WithWindow, const QString& Justification, kal::Byte Date, kal::Byte Time,
               kal::Byte Page, kal::Byte Colours, const QString& Orientation, const QString& Title,
               kal::Byte PaperType, const QStringList* Titles, kal::Byte Oem);
  // True for a file output: the caller skips its own preview and printing.
  kal::Byte EXITNOW() const { return ISAPROCESS; }
  kal::Byte ISAREPORT() const { return ISAPROCESS ? 0 : 1; }
  kal::Byte EXPORTTYPE() const { return EXPT; }
  void ABOUT();

 private:
  KExpManager* worker() const;
};

}  // namespace bv
