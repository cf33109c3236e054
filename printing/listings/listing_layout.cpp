#include "printing/listings/listing_layout.h"

using namespace Qt::StringLiterals;

namespace bv::listing {

LayoutBuilder::LayoutBuilder(Report& report, const QString& title, int width, int headingHeight, int row,
                             const ReportFont& font)
    : r_(report), bold_(font), row_(row) {
  bold_.weight = ReportFont::kBold;
  r_.setTitle(title);
  r_.setFont(font);
  const QSize page = r_.pageSize();
  r_.setBody({(page.width() - width) / 2, 500, width, page.height() - 1000});
  r_.addBand(kHeading, BandKind::Header, {0, 0, width, headingHeight})->setInBody(true);
  r_.addBand(kDetail, BandKind::Detail, {0, 0, width, row + 20});
  ReportFont titleFont = bold_;
  titleFont.pointSize = 14;
  r_.addControl(nextText_++, ControlKind::String, kHeading)
      ->setRect(0, 0, width, 300)
      .setText(title)
      .setFont(titleFont)
      .setAlignment(TextAlignment::Center);
  ReportControl* page_ = r_.addControl(kPageNumber, ControlKind::PageNumber, kHeading);
  page_->setRect(width - 1200, 0, 1200, row).setAlignment(TextAlignment::Right);
  page_->setPicture(u"pHoja: ###p"_s);
}

void LayoutBuilder::text(const QString& text, const QRect& rect, bool bold, TextAlignment alignment) {
  ReportControl* c = r_.addControl(nextText_++, ControlKind::String, kHeading);
  c->setRect(rect).setText(text).setAlignment(alignment);
  if (bold) c->setFont(bold_);
}

void LayoutBuilder::value(int id, int band, const QString& picture, const QRect& rect, TextAlignment alignment) {
  ReportControl* c = r_.addControl(id, ControlKind::String, band);
  c->setRect(rect).setAlignment(alignment);
  c->setPicture(picture);
}

void LayoutBuilder::box(const QRect& rect) {
  r_.addControl(nextText_++, ControlKind::Box, kHeading)->setRect(rect);
}

}  // namespace bv::listing
