#include "printing/labels/label_report.h"

#include "printing/labels/label_sheet.h"
#include "storage/managers/file_managers.h"

using namespace Qt::StringLiterals;

namespace bv {

namespace labelsheet {
QRect labelRect(int row, int column) {
  return {kLeft + (column - 1) * kLabelWidth, kTop + (row - 1) * kLabelHeight, kLabelWidth, kLabelHeight};
}
}  // namespace labelsheet

namespace {

using namespace labelsheet;

constexpr int kBand = 1;
constexpr int kMargin = 150;  // the text keeps clear of the label's edges
constexpr int kLineTop = 250;
constexpr int kLineHeight = 230;

const ReportFont kBold{u"Arial"_s, 12, ReportFont::kBold};
const ReportFont kRegular{u"Arial"_s, 10};

// The control of one line of one label: 10 + 10 * column + line (0 A, 1 B, 2 C).
int controlOf(int column, int line) { return 10 + 10 * column + line; }

void buildLayout(Report& report) {
  report.setTitle(u"Impresion de Etiquetas"_s);
  report.setBody({kLeft, kTop, kLabelWidth * labels::kColumns, kLabelHeight * labels::kRows});
  report.setFont(kRegular);
  report.addBand(kBand, BandKind::Detail, {0, 0, kLabelWidth * labels::kColumns, kLabelHeight});
  for (int column = 1; column <= labels::kColumns; ++column)
    for (int line = 0; line < 3; ++line) {
      ReportControl* c = report.addControl(controlOf(column, line), ControlKind::String, kBand);
      c->setRect((column - 1) * kLabelWidth + kMargin, kLineTop + line * kLineHeight, kLabelWidth - 2 * kMargin,
                 kLineHeight);
      c->setFont(line < 2 ? kBold : kRegular);
      c->setPicture(u"s40"_s);
    }
}

}  // namespace

LabelReport::LabelReport(FileManagers& files, ContextId context)
    : PrintedReport(files, context, u"Etiquetas"_s, {}, u"Impresion de Etiquetas"_s) {
  buildLayout(report());
}

void LabelReport::step() {
  const Record& r = table(u"Etiquetas"_s).buffer();
  static const char* const kLines[] = {"A", "B", "C"};
  for (int column = 1; column <= labels::kColumns; ++column)
    for (int line = 0; line < 3; ++line)
      report().control(controlOf(column, line))
          ->setText(r.text(u"ETI:LINEA_%1%2"_s.arg(QLatin1String(kLines[line])).arg(column)));
  report().print(kBand);
}

}  // namespace bv
