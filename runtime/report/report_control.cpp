#include "runtime/report/report_control.h"

#include <QImageReader>

#include "runtime/report/units.h"

namespace bv {

ReportControl::ReportControl(int id, ControlKind kind, int bandId)
    : id_(id), kind_(kind), bandId_(bandId) {}

ReportControl& ReportControl::setRect(const QRect& r) {
  rect_ = r;
  return *this;
}

ReportControl& ReportControl::setPosition(int x, int y) {
  rect_.moveTo(x, y);
  return *this;
}

ReportControl& ReportControl::setSize(int width, int height) {
  rect_.setSize(QSize(width, height));
  return *this;
}

bool ReportControl::setPicture(const QString& picture, QString* error) {
  auto parsed = Picture::parse(picture, error);
  if (!parsed) return false;
  picture_ = std::move(parsed);
  return true;
}

namespace {

QString plainText(const ReportControl::Value& value) {
  struct Plain {
    QString operator()(const QString& s) const { return s; }
    QString operator()(const Decimal& d) const { return d.toQString(); }
    QString operator()(Date d) const {
      return d.isNull() ? QString() : d.toQDate().toString(QStringLiteral("dd/MM/yyyy"));
    }
    QString operator()(Time t) const {
      return t.isNull() ? QString() : t.toQTime().toString(QStringLiteral("hh:mm"));
    }
  };
  return std::visit(Plain{}, value);
}

}  // namespace

QString ReportControl::displayText(int pageNumber) const {
  switch (kind_) {
    case ControlKind::PageNumber:
      return picture_ ? picture_->format(Decimal(pageNumber)) : QString::number(pageNumber);
    case ControlKind::String:
      if (!picture_) return plainText(value_);
      return std::visit([this](const auto& v) { return picture_->format(v); }, value_);
    default:
      return {};
  }
}

bool ReportControl::setImageFile(const QString& path) {
  QImageReader reader(path);
  QImage loaded = reader.read();
  if (loaded.isNull()) return false;
  image_ = std::move(loaded);
  return true;
}

QSize ReportControl::naturalSize() const {
  if (image_.isNull()) return {};
  // Dots per metre to units: pixels / (dpm × 0.0254) × 1000.
  const auto toUnits = [](int pixels, int dpm) {
    if (dpm <= 0) return detail::scaleRounded(pixels, kUnitsPerInch, 96);
    return detail::scaleRounded(pixels, 10'000'000, static_cast<long long>(dpm) * 254);
  };
  return QSize(toUnits(image_.width(), image_.dotsPerMeterX()),
               toUnits(image_.height(), image_.dotsPerMeterY()));
}

}  // namespace bv
