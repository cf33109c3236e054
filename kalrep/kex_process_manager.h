#pragma once
// The worker behind every file output: delimited text, spreadsheet workbook,
// HTML, DBF and RTF. It opens the output once, writes a heading row before the
// first record, one row per TAKERECORD, free lines and rows on request, and the
// trailer on CLOSE.
#include <memory>

#include "kalrep/export_file.h"
#include "kalrep/kexp_manager.h"
#include "kalrep/writers/export_writer.h"

namespace bv {

class Automation;

class KExProcessManager : public KExpManager {
 public:
  kal::Byte OEM = 0;                          // delimited text in the OEM character set
  kal::Colour KALCOLPAGE = 0;                 // page colour (HTML table background)
  QString FILENAME;                           // output file; empty means "ask"
  kal::Byte INCHEADER = 0;                    // a heading row is still to be written
  QString QUOTECHAR;                          // quote of delimited text
  QString FIELDDELIMITER;                     // delimiter of delimited text
  kal::Byte EXPORTTYPE = 0;                   // 1 to 5 (0 or 12: asked in RUN)
  std::unique_ptr<ExportFile> OUTFILEHANDLE;  // the open file
  kal::Byte CREATEFILE = 0;                   // 1 create, 0 append to an existing file
  kal::Short EXTERNALCONTROL = 0;             // control number of the automation container
  kal::Long RECORDCOUNTER = 0;                // rows written (DBF: data records); the sheet's row
  kal::Byte OMITROWCOLOR = 0;                 // spreadsheet: data rows uncoloured

  KExProcessManager();
  ~KExProcessManager() override;

  using KExpManager::INIT;
  // Asks the export type when it is 0 or 12 ("Seleccione el Tipo de
  // Exportación") and the file name when none is given; false when cancelled.
  kal::Byte RUN() override;
  virtual void INIT(const QString& FileName, const QString& IniEntry, const QString& IniFile,
                    kal::Byte ExportType, kal::Byte IncHeader, kal::Byte CreateFile);
  // One row from the caller's variables (the heading row first, once).
  virtual kal::Byte TAKERECORD();
  // Called before each visible column's value is read.
  virtual void BEFORECELL();

  // Opens the output once. A file that cannot be had shows "Ocurrio un error al
  // acceder al archivo:" and the name; that OPEN and every later one answer
  // false.
  kal::Byte OPEN();
  kal::Byte FORCEHEADER();
  kal::Byte FORCELINE(const QString& Text, const QString& Justification, kal::Colour TextColour,
                      kal::Colour BackColour);
  kal::Byte FORCERECORD(const QString& Values, kal::Colour TextColour, kal::Colour BackColour);
  // Writes the trailer and closes the output; nothing when OPEN did not succeed.
  void CLOSE();
  // The options of the layout window and the character set that the caller
  // fixes for a file output.
  void SETFACE(kal::Byte WithWindow, kal::Byte Colours, kal::Byte Oem);

  // The caption of the open-failure message.
  static constexpr const char* kOpenFailure = "Ocurrio un error al acceder al archivo:";

 private:
  RowStyle rowStyle() const;
  bool writeHeading();
  // Colours and flags of a forced line or row, restored afterwards.
  template <typename F>
  kal::Byte forced(kal::Colour text, kal::Colour back, F&& write);
  void reportOpenFailure() const;
  bool openFile();

  std::unique_ptr<Automation> container_;
  std::unique_ptr<ExportWriter> writer_;
  std::vector<const ColumnDescriptor*> visible_;
  std::vector<WriterCell> cells_;
  bool opened_ = false;  // OPEN succeeded
};

}  // namespace bv
