#include "production/costing/cost_sheet_layout.h"

#include "runtime/report/report.h"

using namespace Qt::StringLiterals;

namespace bv {
namespace {

using namespace costsheet;

constexpr int kWidth = 7500;  // the body of a Letter page less half an inch a side
constexpr int kRow = 180;     // one line of 9-point text
constexpr int kValueX = 2200; // where the heading's values start

const ReportFont kText{u"Arial"_s, 9};
const ReportFont kBoldText{u"Arial"_s, 9, ReportFont::kBold};
const ReportFont kTitle{u"Arial"_s, 14, ReportFont::kBold};

class LayoutBuilder {
 public:
  explicit LayoutBuilder(Report& report) : r_(report) {}

  void text(int band, const QString& text, const QRect& rect, const ReportFont& font = kText,
            TextAlignment alignment = TextAlignment::Left) {
    r_.addControl(nextText_++, ControlKind::String, band)
        ->setRect(rect)
        .setText(text)
        .setFont(font)
        .setAlignment(alignment);
  }

  void value(int id, int band, const QString& picture, const QRect& rect,
             TextAlignment alignment = TextAlignment::Left) {
    ReportControl* c = r_.addControl(id, ControlKind::String, band);
    c->setRect(rect).setAlignment(alignment);
    c->setPicture(picture);
  }

  // A prompt of the heading and its value beside it.
  void headingRow(int y, const QString& prompt, int id, const QString& picture, int width,
                  TextAlignment alignment = TextAlignment::Left) {
    text(kHeading, prompt, {0, y, kValueX, kRow});
    value(id, kHeading, picture, {kValueX, y, width, kRow}, alignment);
  }

  Report& report() { return r_; }

 private:
  Report& r_;
  int nextText_ = kFirstText;
};

void heading(LayoutBuilder& b) {
  ReportBand* band = b.report().addBand(kHeading, BandKind::Header, {0, 0, kWidth, 2450});
  band->setInBody(true);
  b.text(kHeading, u"Fecha de emision:"_s, {0, 0, 1300, kRow});
  b.value(kIssueDate, kHeading, u"d17"_s, {1300, 0, 1200, kRow});
  b.text(kHeading, u"Hora de emision:"_s, {0, kRow, 1300, kRow});
  b.value(kIssueTime, kHeading, u"T3"_s, {1300, kRow, 800, kRow});
  b.text(kHeading, u"Cotización del dolar:"_s, {4700, 0, 1700, kRow});
  b.value(kRate, kHeading, u"n8.4"_s, {6400, 0, 1100, kRow}, TextAlignment::Right);

  b.text(kHeading, u"Formula de Produccion"_s, {0, 450, kWidth, 300}, kTitle, TextAlignment::Center);

  int y = 900;
  b.headingRow(y, u"Código:"_s, kFormula, u"n010"_s, 1200);
  y += kRow;
  b.headingRow(y, u"Articulo a producir:"_s, kProduct, u"s13"_s, 1200);
  b.value(kProductDescription, kHeading, u"s50"_s, {kValueX + 1250, y, kWidth - kValueX - 1250, kRow});
  y += kRow;
  b.headingRow(y, u"Observaciones:"_s, kRemarks, u"s50"_s, kWidth - kValueX);
  y += kRow;
  b.headingRow(y, u"Cantidad teórica a producir:"_s, kQuantity, u"n7.3"_s, 800, TextAlignment::Right);
  y += kRow;
  b.headingRow(y, u"Componente \"B\":"_s, kComponentB, u"s13"_s, 1200);
  b.value(kComponentBDescription, kHeading, u"s50"_s, {kValueX + 1250, y, kWidth - kValueX - 1250, kRow});
  y += kRow;
  b.headingRow(y, u"Peso específico:"_s, kSpecificWeight, u"n7.4"_s, 800, TextAlignment::Right);

  // The box of the components with its column titles.
  y = 2000;
  b.report().addControl(kFirstText - 1, ControlKind::Box, kHeading)->setRect(0, y, kWidth, 420);
  b.text(kHeading, u"Componentes:"_s, {60, y + 30, 2000, kRow}, kBoldText);
  y += 30 + kRow + 20;
  b.text(kHeading, u"Código"_s, {60, y, 1100, kRow}, kBoldText);
  b.text(kHeading, u"Descripción"_s, {1250, y, 3400, kRow}, kBoldText);
  b.text(kHeading, u"Cantidad"_s, {4700, y, 1100, kRow}, kBoldText, TextAlignment::Right);
  b.text(kHeading, u"Costo"_s, {6000, y, 1400, kRow}, kBoldText, TextAlignment::Right);
}

void detail(LayoutBuilder& b) {
  b.report().addBand(kDetail, BandKind::Detail, {0, 0, kWidth, kRow + 20});
  b.value(kLineCode, kDetail, u"s13"_s, {60, 0, 1150, kRow});
  b.value(kLineDescription, kDetail, u"s50"_s, {1250, 0, 3400, kRow});
  b.value(kLineQuantity, kDetail, u"n9.4"_s, {4700, 0, 1100, kRow}, TextAlignment::Right);
  b.value(kLineCost, kDetail, u"n-14.2"_s, {6000, 0, 1400, kRow}, TextAlignment::Right);
}

void totals(LayoutBuilder& b) {
  b.report().addBand(kTotals, BandKind::End, {0, 0, kWidth, 400});
  b.report().addControl(kFirstText - 2, ControlKind::Line, kTotals)->setRect(4700, 60, 2700, 0);
  b.text(kTotals, u"Totales:"_s, {3500, 120, 1100, kRow}, kBoldText, TextAlignment::Right);
  b.value(kTotalQuantity, kTotals, u"n10.4"_s, {4700, 120, 1100, kRow}, TextAlignment::Right);
  b.value(kTotalCost, kTotals, u"n-14.2"_s, {6000, 120, 1400, kRow}, TextAlignment::Right);
}

}  // namespace

void buildCostSheetLayout(Report& report) {
  report.setTitle(u"Formula de Produccion"_s);
  report.setBody({500, 500, kWidth, 10000});
  report.setFont(kText);
  LayoutBuilder builder(report);
  heading(builder);
  detail(builder);
  totals(builder);
}

}  // namespace bv
