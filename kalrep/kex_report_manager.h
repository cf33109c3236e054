#pragma once
// The worker behind the three printer outputs (printer, laser printer, plain
// text): it lays the caller's columns out as run-time controls of the caller's
// report, which then prints its own detail band. OPEN sets the page up and
// makes the controls of the header band (page header, title and its extra
// lines, one heading cell per column) and of the detail band (one cell per
// column); TAKERECORD fills the detail cells from the caller's variables;
// FORCEHEADER and FORCERECORD fill them with the headings or given values;
// KILL removes every control the worker made. OPEN and TAKERECORD answer true,
// as the printer side never fails a record.
//
// Control numbers start past the report's last control: the page header at
// +3001 to +3006 (the title at +3006, its extra lines after it), the heading
// cells at +3070 (five numbers per column: box, text, vertical rule, horizontal
// rule, one spare) and the detail cells at +3120 (three per column: box, text,
// vertical rule). A report with many columns or extra lines has its later
// ranges moved up so that no two controls share a number.
#include <QStringList>
#include <vector>

#include "kalrep/kexp_manager.h"
#include "kalrep/printer_geometry.h"

namespace bv {

class Report;

class KExReportManager : public KExpManager {
 public:
  kal::Short MYHEADER = 0;     // control number of the caller's header band
  kal::Short MYDETAIL = 0;     // control number of the caller's detail band
  Report* MYREPORT = nullptr;  // the caller's report (not owned)
  kal::Short MYCONTROL_FECHA = 0;  // the page header (date, time and page number)
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
  // The printer has no free lines: nothing is printed.
  kal::Byte FORCELINE(const QString& Text, const QString& Justification, kal::Colour TextColour,
                      kal::Colour BackColour);
  kal::Byte FORCERECORD(const QString& Values, kal::Colour TextColour, kal::Colour BackColour);
  void KILL();

  // Controls of one column.
  int headingBox(int column) const { return MYCONTROL_HEADERLIST + 5 * column; }
  int headingText(int column) const { return headingBox(column) + 1; }
  int headingRule(int column) const { return headingBox(column) + 2; }
  int headingUnderline(int column) const { return headingBox(column) + 3; }
  int detailBox(int column) const { return MYCONTROL_CONTENIDOLIST + 3 * column; }
  int detailText(int column) const { return detailBox(column) + 1; }
  int detailRule(int column) const { return detailBox(column) + 2; }
  int extraTitle(int line) const { return MYCONTROL_TITULO + line; }  // line from 1
  // The page frame OPEN laid out (the body and the block of columns).
  const printer::PageFrame& frame() const { return frame_; }
  int resolutionFactor() const { return factor_; }

 private:
  void allocateNumbers();
  void setUpPage();
  void makePageHeader();
  void makeTitles();
  void makeCells();
  // Every detail cell with this fill, text colour and text per column.
  template <typename TextOf>
  void fillDetail(kal::Colour text, kal::Colour back, TextOf&& textOf);
  int extraTitleCount() const;

  printer::PageFrame frame_;
  int factor_ = 1;
  std::vector<const ColumnDescriptor*> visible_;
  std::vector<int> made_;  // every control made, for KILL
};

}  // namespace bv
