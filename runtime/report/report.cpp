#include "runtime/report/report.h"

#include <algorithm>

#include "runtime/report/report_output.h"

namespace bv {
namespace {

constexpr int kDefaultMargin = 500;

int extent(const ReportBand& band) { return band.rect().y() + band.rect().height(); }

}  // namespace

Report::Report(QString title) : title_(std::move(title)) {}

QRect Report::body() const {
  if (body_) return *body_;
  const QSize page = pageSize();
  return QRect(kDefaultMargin, kDefaultMargin, page.width() - 2 * kDefaultMargin,
               page.height() - 2 * kDefaultMargin);
}

// ---- Structure

ReportBand* Report::addBand(int id, BandKind kind, const QRect& rect) {
  if (id <= 0 || idTaken(id)) return nullptr;
  auto [it, inserted] = bands_.emplace(id, ReportBand(id, kind, rect));
  bandOrder_.push_back(id);
  return &it->second;
}

ReportBand* Report::band(int id) {
  auto it = bands_.find(id);
  return it == bands_.end() ? nullptr : &it->second;
}

const ReportBand* Report::band(int id) const {
  auto it = bands_.find(id);
  return it == bands_.end() ? nullptr : &it->second;
}

ReportControl* Report::makeControl(int id, ControlKind kind, int bandId, bool visible) {
  ReportBand* owner = band(bandId);
  if (id <= 0 || idTaken(id) || !owner) return nullptr;
  auto [it, inserted] = controls_.emplace(id, ReportControl(id, kind, bandId));
  if (!visible) it->second.hide();
  owner->controls_.push_back(id);
  return &it->second;
}

ReportControl* Report::addControl(int id, ControlKind kind, int bandId) {
  return makeControl(id, kind, bandId, true);
}

ReportControl* Report::create(int id, ControlKind kind, int bandId) {
  return makeControl(id, kind, bandId, false);
}

bool Report::destroy(int id) {
  if (auto it = controls_.find(id); it != controls_.end()) {
    if (ReportBand* owner = band(it->second.bandId())) std::erase(owner->controls_, id);
    controls_.erase(it);
    return true;
  }
  if (auto it = bands_.find(id); it != bands_.end()) {
    for (int child : it->second.controls_) controls_.erase(child);
    std::erase(bandOrder_, id);
    bands_.erase(it);
    return true;
  }
  return false;
}

ReportControl* Report::control(int id) {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : &it->second;
}

const ReportControl* Report::control(int id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : &it->second;
}

int Report::lastControlId() const {
  const int lastBand = bands_.empty() ? 0 : bands_.rbegin()->first;
  const int lastControl = controls_.empty() ? 0 : controls_.rbegin()->first;
  return std::max(lastBand, lastControl);
}

bool Report::show(int id) {
  ReportControl* c = control(id);
  if (c) c->show();
  return c != nullptr;
}

bool Report::hide(int id) {
  ReportControl* c = control(id);
  if (c) c->hide();
  return c != nullptr;
}

// ---- Printing

void Report::open() {
  pages_.clear();
  pageOpen_ = false;
  pageHasBand_ = false;
  open_ = true;
}

void Report::discard() {
  pages_.clear();
  pageOpen_ = false;
  pageHasBand_ = false;
  open_ = false;
}

void Report::startPage() {
  ReportPage page;
  page.number = static_cast<int>(pages_.size()) + 1;
  pages_.append(std::move(page));
  pageOpen_ = true;
  pageHasBand_ = false;

  const QRect area = body();
  int top = area.y();
  int bottom = area.y() + area.height();
  for (BandKind kind : {BandKind::PageHeader, BandKind::Header}) {
    for (int id : bandOrder_) {
      const ReportBand& b = bands_.at(id);
      if (b.kind() != kind) continue;
      if (kind == BandKind::Header && b.inBody()) {
        place(b, QPoint(area.x() + b.rect().x(), top + b.rect().y()));
        top += extent(b);
      } else {
        place(b, b.rect().topLeft());
      }
    }
  }
  for (int id : bandOrder_) {
    const ReportBand& b = bands_.at(id);
    if (b.kind() == BandKind::Footer && b.inBody()) bottom -= extent(b);
  }
  cursor_ = top;
  bottom_ = bottom;
}

void Report::endPage() {
  if (!pageOpen_) return;
  const QRect area = body();
  int y = bottom_;
  for (int id : bandOrder_) {
    const ReportBand& b = bands_.at(id);
    if (b.kind() != BandKind::Footer) continue;
    if (b.inBody()) {
      place(b, QPoint(area.x() + b.rect().x(), y + b.rect().y()));
      y += extent(b);
    } else {
      place(b, b.rect().topLeft());
    }
  }
  pageOpen_ = false;
}

bool Report::print(int bandId) {
  const ReportBand* b = band(bandId);
  if (!b || b->printsOnEveryPage()) return false;
  if (!open_) open();
  if (!pageOpen_) startPage();
  const int needed = extent(*b);
  if (pageHasBand_ && cursor_ + needed > bottom_) {
    endPage();
    startPage();
  }
  place(*b, QPoint(body().x() + b->rect().x(), cursor_ + b->rect().y()));
  cursor_ += needed;
  pageHasBand_ = true;
  return true;
}

void Report::breakPage() { endPage(); }

void Report::endReport() {
  for (int id : std::vector<int>(bandOrder_))
    if (bands_.at(id).kind() == BandKind::End) print(id);
  endPage();
}

void Report::place(const ReportBand& b, const QPoint& origin) {
  ReportPage& page = pages_.back();
  const ReportFont& bandFont = b.font() ? *b.font() : font_;
  for (int id : b.controls()) {
    const ReportControl& c = controls_.at(id);
    if (!c.visible()) continue;
    PageItem item;
    item.controlId = id;
    item.rect = c.rect().translated(origin);
    item.fill = c.fill();
    item.lineColour = c.lineColour();
    item.lineWidth = c.lineWidth();
    switch (c.kind()) {
      case ControlKind::String:
      case ControlKind::PageNumber:
        item.kind = PageItem::Kind::Text;
        item.text = c.displayText(page.number);
        item.font = c.font() ? *c.font() : bandFont;
        item.alignment = c.alignment();
        break;
      case ControlKind::Box: item.kind = PageItem::Kind::Box; break;
      case ControlKind::Line: item.kind = PageItem::Kind::Line; break;
      case ControlKind::Image:
        if (c.image().isNull()) continue;
        item.kind = PageItem::Kind::Image;
        item.image = c.image();
        if (item.rect.isEmpty()) item.rect.setSize(c.naturalSize());
        break;
    }
    page.items.append(std::move(item));
  }
}

// ---- Output

bool Report::printPages(const PageSelection& pages, QString* error) const {
  if (target_.kind == PrintTarget::Kind::PdfFile) return writePdf(*this, target_.path, pages, error);
  return sendToPrinter(*this, pages, error);
}

}  // namespace bv
