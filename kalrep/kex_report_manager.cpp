#include "kalrep/kex_report_manager.h"

#include <algorithm>
#include <cmath>

#include "kalrep/paper.h"
#include "runtime/report/report.h"
#include "runtime/report/units.h"

namespace bv {
namespace {

// Number offsets past the report's last control.
constexpr int kFirstPageHeaderControl = 3001;
constexpr int kHeadingCells = 3070;
constexpr int kDetailCells = 3120;
constexpr int kHeadingControlsPerColumn = 5;

ReportFont cellFont(kal::Colour colour) {
  ReportFont f;
  f.family = QString::fromLatin1(printer::kFontFamily);
  f.pointSize = printer::kFontSize;
  f.colour = colourFromBgr(colour);
  return f;
}

QChar firstLetter(const QString& text, QChar otherwise) {
  const QString t = text.trimmed();
  return t.isEmpty() ? otherwise : t.at(0).toUpper();
}

}  // namespace

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

int KExReportManager::extraTitleCount() const { return TITULOS ? int(TITULOS->size()) : 0; }

kal::Byte KExReportManager::OPEN() {
  if (ISOPEN) return 1;
  ISOPEN = 1;
  WITHCOLOR = layout().KAL_COLORES_SI;
  visible_ = visibleColumns(std::as_const(MYPICTUREQUEUE));
  VISIBLECOL = kal::Byte(visible_.size());
  if (!MYREPORT) return 1;
  allocateNumbers();
  setUpPage();
  makePageHeader();
  makeTitles();
  makeCells();
  return 1;
}

void KExReportManager::allocateNumbers() {
  const int last = MYREPORT->lastControlId();
  const int first = last + kFirstPageHeaderControl;
  MYCONTROL_FECHA = kal::Short(first);
  MYCONTROL_FECHA_PROMPT = kal::Short(first + 1);
  MYCONTROL_HORA = kal::Short(first + 2);
  MYCONTROL_HORA_PROMPT = kal::Short(first + 3);
  MYCONTROL_PAGINA_NRO = kal::Short(first + 4);
  MYCONTROL_TITULO = kal::Short(first + 5);
  // Past ten columns the heading cells would reach the detail cells' numbers,
  // and past 63 extra lines the titles the headings': the later range moves up.
  const int headings = std::max(last + kHeadingCells, MYCONTROL_TITULO + extraTitleCount() + 1);
  MYCONTROL_HEADERLIST = kal::Short(headings);
  MYCONTROL_CONTENIDOLIST = kal::Short(std::max(
      last + kDetailCells, headings + kHeadingControlsPerColumn * int(visible_.size())));
}

void KExReportManager::setUpPage() {
  ColumnLayout& l = layout();
  PageSetup& setup = MYREPORT->pageSetup();
  long width = long(l.KAL_WIDTH), height = long(l.KAL_HEIGHT);
  if (width == 0 && height == 0) {
    width = std::lround(setup.paperWidthTenthsMm() / 254.0 * 1000.0);
    height = std::lround(setup.paperHeightTenthsMm() / 254.0 * 1000.0);
  } else {
    // The report prints on the paper the layout was made for.
    const int code = paper::codeOfPosition(l.KAL_TIPO_HOJA_AUX);
    if (code == 0 || !setup.setPaperCode(code)) setup.setPaperSize(int(width), int(height));
  }
  const bool landscape = firstLetter(l.KAL_HORIZONTAL, u'V') == u'H';
  setup.setLandscape(landscape);
  factor_ = printer::resolutionFactor(setup.resolution());
  frame_ = printer::pageFrame(width, height, landscape, extraTitleCount(), TOTEXT != 0,
                              firstLetter(l.KAL_JUSTIFICACION, u'I'), l.KAL_ANCHO);
  MYREPORT->setBody(QRect(frame_.bodyX, frame_.bodyY, frame_.usableWidth, frame_.bodyHeight));

  const ReportFont font = cellFont(0);
  ReportBand* header = MYREPORT->band(MYHEADER);
  if (!header) header = MYREPORT->addBand(MYHEADER, BandKind::Header);
  if (header)
    header
        ->setRect(printer::kHeaderBandX, printer::kHeaderBandY, frame_.usableWidth,
                  printer::kHeaderBandHeight)
        .setFont(font);
  ReportBand* detail = MYREPORT->band(MYDETAIL);
  if (!detail) detail = MYREPORT->addBand(MYDETAIL, BandKind::Detail);
  if (detail) detail->setRect(0, 0, frame_.usableWidth, printer::kRowHeight).setFont(font);
}

void KExReportManager::makePageHeader() {
  const ColumnLayout& l = layout();
  const bool date = l.KAL_FECHA_SI != 0, time = l.KAL_HORA_SI != 0, page = l.KAL_PAGINA_SI != 0;
  if (!date && !time && !page) return;
  const QString picture =
      printer::pageHeaderPicture(date, time, page, Clock::today(), Clock::now());
  ReportControl* c = MYREPORT->create(
      MYCONTROL_FECHA, page ? ControlKind::PageNumber : ControlKind::String, MYHEADER);
  if (!c) return;
  // The page number is shown through the pattern; without it the text is the
  // pattern's literal part.
  if (page)
    c->setPicture(picture);
  else
    c->setText(picture.mid(2, picture.size() - 3));
  c->setRect(printer::kPageHeaderX, printer::kPageHeaderY, printer::kPageHeaderWidth,
             printer::kRowHeight)
      .setFont(cellFont(0))
      .show();
  made_.push_back(MYCONTROL_FECHA);
}

void KExReportManager::makeTitles() {
  const ColumnLayout& l = layout();
  const QChar justification = firstLetter(l.KAL_JUSTIFICACION, u'I');
  const TextAlignment alignment =
      justification == u'C' ? TextAlignment::Center : TextAlignment::Left;
  const QString title = withoutTrailingBlanks(l.KAL_TITULO);
  int extraX = 0;
  if (!title.trimmed().isEmpty()) {
    const printer::TitlePlace place = printer::titlePlace(title, frame_, justification, l.KAL_ANCHO);
    if (place.long_) extraX = place.x;
    if (ReportControl* c = MYREPORT->create(MYCONTROL_TITULO, ControlKind::String, MYHEADER)) {
      c->setText(title)
          .setRect(place.x, printer::kTitleY, place.width, printer::kRowHeight)
          .setFont(cellFont(0))
          .setAlignment(alignment)
          .show();
      made_.push_back(MYCONTROL_TITULO);
    }
  }
  for (int n = 1; n <= extraTitleCount(); ++n) {
    const QString line = withoutTrailingBlanks(TITULOS->at(n - 1));
    ReportControl* c = MYREPORT->create(extraTitle(n), ControlKind::String, MYHEADER);
    if (!c) continue;
    c->setText(line)
        .setRect(extraX, printer::kTitleY + printer::kExtraTitleStep * n,
                 printer::extraTitleWidth(line), printer::kRowHeight)
        .setFont(cellFont(0))
        .setAlignment(alignment)
        .show();
    made_.push_back(extraTitle(n));
  }
}

void KExReportManager::makeCells() {
  const int titles = printer::kTitlePitch * extraTitleCount();
  const int headingY = printer::kHeadingY + titles;
  const int ruleY = printer::kRuleY + titles;
  const int offset = frame_.blockOffset;
  // Without character rules the boxes draw the grid.
  const QColor border = TOTEXT ? QColor() : QColor(Qt::black);
  const auto make = [this](int id, ControlKind kind, int band) {
    ReportControl* c = MYREPORT->create(id, kind, band);
    if (c) made_.push_back(id);
    return c;
  };
  long before = 0;  // list units of the columns before this one
  for (int i = 0; i < int(visible_.size()); ++i) {
    const ColumnDescriptor& col = *visible_[std::size_t(i)];
    const QChar justification = col.justification();
    const int x = offset + printer::cellUnits(before, factor_);
    const int width = printer::cellUnits(col.ANCHO, factor_);
    const int textX = offset + printer::cellUnits(before + 2, factor_);
    const int textWidth = printer::cellUnits(long(col.ANCHO) - 2, factor_);

    if (ReportControl* box = make(headingBox(i), ControlKind::Box, MYHEADER))
      box->setRect(x, headingY, width, printer::kRowHeight)
          .setFill(colourFromBgr(KALCOLHFONDO))
          .setLineColour(border)
          .setLineWidth(0)
          .show();
    if (ReportControl* text = make(headingText(i), ControlKind::String, MYHEADER))
      text->setText(printer::cellText(col.NOMBRE, justification, col.ANCHO))
          .setRect(textX, headingY, textWidth, printer::kRowHeight)
          .setTransparent()
          .setFont(cellFont(KALCOLHTEXTO))
          .show();
    if (TOTEXT) {
      if (i > 0)
        if (ReportControl* rule = make(headingRule(i), ControlKind::String, MYHEADER))
          rule->setText(TOTEXTVERTICAL).setRect(x, headingY, 1, printer::kRowHeight).show();
      const int repeat = int(std::lround((long(col.ANCHO) - 6) / 4.0)) + 2;
      if (ReportControl* under = make(headingUnderline(i), ControlKind::String, MYHEADER))
        under->setText(TOTEXTHORIZONTAL.repeated(std::max(0, repeat)))
            .setRect(x, ruleY, width, 1)
            .show();
    }

    if (ReportControl* box = make(detailBox(i), ControlKind::Box, MYDETAIL))
      box->setRect(x, 0, width, printer::kRowHeight).setLineColour(border).setLineWidth(0).show();
    if (ReportControl* text = make(detailText(i), ControlKind::String, MYDETAIL))
      text->setRect(textX, 0, textWidth, printer::kRowHeight)
          .setTransparent()
          .setFont(cellFont(0))
          .show();
    if (TOTEXT && i > 0)
      if (ReportControl* rule = make(detailRule(i), ControlKind::String, MYDETAIL))
        rule->setText(TOTEXTVERTICAL).setRect(x, 0, 1, printer::kRowHeight).show();
    before += col.ANCHO;
  }
}

template <typename TextOf>
void KExReportManager::fillDetail(kal::Colour text, kal::Colour back, TextOf&& textOf) {
  if (!MYREPORT) return;
  for (int i = 0; i < int(visible_.size()); ++i) {
    const ColumnDescriptor& col = *visible_[std::size_t(i)];
    if (ReportControl* box = MYREPORT->control(detailBox(i))) box->setFill(colourFromBgr(back));
    if (ReportControl* cell = MYREPORT->control(detailText(i)))
      cell->setFont(cellFont(text)).setText(
          printer::cellText(textOf(i, col), col.justification(), col.ANCHO));
  }
}

kal::Byte KExReportManager::TAKERECORD() {
  BEFOREROW();
  fillDetail(KALCOLDTEXTO, KALCOLDFONDO, [](int, const ColumnDescriptor& col) {
    return col.CAMPO.format(col.picture ? &*col.picture : nullptr);
  });
  return 1;
}

kal::Byte KExReportManager::FORCEHEADER() {
  BEFOREROW();
  fillDetail(KALCOLHTEXTO, KALCOLHFONDO,
             [](int, const ColumnDescriptor& col) { return col.NOMBRE; });
  return 1;
}

kal::Byte KExReportManager::FORCELINE(const QString&, const QString&, kal::Colour, kal::Colour) {
  return 1;
}

kal::Byte KExReportManager::FORCERECORD(const QString& Values, kal::Colour TextColour,
                                        kal::Colour BackColour) {
  const QStringList pieces = Values.split(u'|');
  fillDetail(TextColour, BackColour, [&pieces](int i, const ColumnDescriptor&) {
    return i < pieces.size() ? pieces[i] : QString();
  });
  return 1;
}

void KExReportManager::KILL() {
  if (MYREPORT)
    for (int id : made_) MYREPORT->destroy(id);
  made_.clear();
}

}  // namespace bv
