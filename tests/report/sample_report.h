#pragma once
// A small listing used by the report tests: Letter paper, a header band on the
// page above the body with a title and a page number, and a detail band one inch
// high, so nine details fill the nine-inch body.
#include "runtime/report/report.h"

namespace bv::test {

inline constexpr int kHeader = 1;
inline constexpr int kDetail = 2;
inline constexpr int kTitle = 10;
inline constexpr int kPageNo = 11;
inline constexpr int kLine = 20;

inline void buildSampleReport(Report& r) {
  r.setTitle(QStringLiteral("Listado de prueba"));
  r.setBody(QRect(500, 1500, 7500, 9000));
  ReportBand* header = r.addBand(kHeader, BandKind::Header, QRect(500, 500, 7500, 600));
  header->setFont(ReportFont{QStringLiteral("Courier New"), 9});
  r.addControl(kTitle, ControlKind::String, kHeader)->setRect(0, 0, 4000, 200).setText(
      QStringLiteral("Listado de prueba"));
  ReportControl* pageNo = r.addControl(kPageNo, ControlKind::PageNumber, kHeader);
  pageNo->setRect(5000, 0, 2500, 200).setAlignment(TextAlignment::Right);
  pageNo->setPicture(QStringLiteral("@pPágina: <<#p"));
  r.addBand(kDetail, BandKind::Detail, QRect(0, 0, 7500, 1000));
  r.addControl(kLine, ControlKind::String, kDetail)->setRect(0, 0, 7500, 200);
}

// Prints `count` details "Renglón 1", "Renglón 2", ... and ends the report.
inline void printLines(Report& r, int count) {
  r.open();
  for (int i = 1; i <= count; ++i) {
    r.control(kLine)->setText(QStringLiteral("Renglón %1").arg(i));
    r.print(kDetail);
  }
  r.endReport();
}

// The items of a page taken from one control.
inline QList<PageItem> itemsOf(const ReportPage& page, int controlId) {
  QList<PageItem> out;
  for (const PageItem& item : page.items)
    if (item.controlId == controlId) out << item;
  return out;
}

}  // namespace bv::test
