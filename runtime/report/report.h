#pragma once
// A report: its page setup and body, its bands and numbered controls, and the pages
// printed so far.
//
// A report procedure declares bands and controls (or creates them while the report
// runs, as the export library's printer worker does), opens the report, prints a
// detail band for every record, ends the report (the end bands, then the last
// page), lets the preview show the pages and then prints them or discards them.
//
//   Report r;
//   r.addBand(1, BandKind::Header, {250, 465, 7500, 558});
//   r.addBand(2, BandKind::Detail, {0, 0, 7500, 138});
//   r.addControl(10, ControlKind::String, 2)->setRect(0, 0, 2000, 138);
//   r.open();
//   for (...) { r.control(10)->setText(...); r.print(2); }
//   r.endReport();
//   if (previewSaysPrint) r.printPages(selection); else r.discard();
//
// Measures are thousandths of an inch on the page (landscape pages are the paper
// turned). Bands and controls share one numbering.
#include <QList>
#include <QRect>
#include <QString>
#include <map>
#include <vector>

#include "runtime/report/page_selection.h"
#include "runtime/report/page_setup.h"
#include "runtime/report/print_target.h"
#include "runtime/report/report_band.h"
#include "runtime/report/report_control.h"
#include "runtime/report/report_font.h"
#include "runtime/report/report_page.h"

namespace bv {

class Report {
 public:
  explicit Report(QString title = {});

  const QString& title() const { return title_; }
  void setTitle(const QString& t) { title_ = t; }

  // ---- Page setup and body.
  PageSetup& pageSetup() { return setup_; }
  const PageSetup& pageSetup() const { return setup_; }
  QSize pageSize() const { return setup_.pageSize(); }
  // The area the details are printed in, on the page. Until it is set, the page
  // less half an inch on every side.
  QRect body() const;
  void setBody(const QRect& body) { body_ = body; }
  // The font of controls whose band and control name none.
  const ReportFont& font() const { return font_; }
  void setFont(const ReportFont& f) { font_ = f; }

  // ---- Structure.
  // nullptr when the number is taken (by a band or a control) or not positive.
  ReportBand* addBand(int id, BandKind kind, const QRect& rect = {});
  ReportBand* band(int id);
  const ReportBand* band(int id) const;
  // A control declared with the report: visible. nullptr when the number is taken
  // or the band does not exist.
  ReportControl* addControl(int id, ControlKind kind, int bandId);
  // A control made while the report runs: hidden until it is shown.
  ReportControl* create(int id, ControlKind kind, int bandId);
  // Removes a control, or a band with all its controls; false when there is none.
  bool destroy(int id);
  ReportControl* control(int id);
  const ReportControl* control(int id) const;
  // The highest number given to a band or a control (0 for an empty report).
  int lastControlId() const;
  bool show(int id);
  bool hide(int id);

  // ---- Printing.
  // Starts the output afresh: no pages yet.
  void open();
  bool isOpen() const { return open_; }
  // Prints a detail or end band under the last one; a band that does not fit in
  // what is left of the body goes to a new page (one taller than the whole body is
  // printed alone on a page). Opens the report when it is not. False for a band
  // that does not exist or is printed on every page by itself.
  bool print(int bandId);
  // Ends the current page: the next band printed starts a new one.
  void breakPage();
  // Prints the end bands and ends the last page. The pages stay until discarded.
  void endReport();
  const QList<ReportPage>& pages() const { return pages_; }
  int pageCount() const { return static_cast<int>(pages_.size()); }
  // Drops the printed pages and closes the output.
  void discard();

  // ---- Output.
  const PrintTarget& target() const { return target_; }
  void setTarget(const PrintTarget& t) { target_ = t; }
  // Sends the chosen pages to the target; false with a reason when the printer or
  // file cannot be opened. Nothing to print is no failure.
  bool printPages(const PageSelection& pages, QString* error = nullptr) const;
  bool printAll(QString* error = nullptr) const { return printPages(PageSelection::all(pageCount()), error); }

 private:
  ReportControl* makeControl(int id, ControlKind kind, int bandId, bool visible);
  bool idTaken(int id) const { return bands_.contains(id) || controls_.contains(id); }
  void startPage();
  void endPage();
  // Takes every visible control of the band onto the current page, with the band's
  // corner at `origin`.
  void place(const ReportBand& band, const QPoint& origin);

  QString title_;
  PageSetup setup_;
  std::optional<QRect> body_;
  ReportFont font_;
  std::map<int, ReportBand> bands_;
  std::vector<int> bandOrder_;  // creation order
  std::map<int, ReportControl> controls_;
  PrintTarget target_;

  bool open_ = false;
  bool pageOpen_ = false;
  bool pageHasBand_ = false;  // a detail or end band stands on the current page
  int cursor_ = 0;            // where the next detail goes, on the page
  int bottom_ = 0;            // where the details must end, on the page
  QList<ReportPage> pages_;
};

}  // namespace bv
