#pragma once
// The label sheet (ImprimirEtiquetas2): the work table Etiquetas printed in
// file order, one record per row of the sheet, the left label's three lines at
// the left and the right label's at the right: lines A and B in Arial 12 bold,
// line C in Arial 10. The page is a Letter sheet of 8 rows of 2 labels, each
// label 4 by 1.25 inches, the first row half an inch from the top.
#include <QRect>

#include "printing/printed_report.h"

namespace bv {

namespace labelsheet {
constexpr int kTop = 500;          // the first row, from the top of the page
constexpr int kLeft = 250;         // the left labels, from the left of the page
constexpr int kLabelWidth = 4000;  // one label
constexpr int kLabelHeight = 1250;
// The rectangle of the label at (row, column) of the sheet, on the page, in
// thousandths of an inch.
QRect labelRect(int row, int column);
}  // namespace labelsheet

class LabelReport : public PrintedReport {
 public:
  LabelReport(FileManagers& files, ContextId context);

 protected:
  void step() override;
};

}  // namespace bv
