#pragma once
// One control of a report: a string (literal text or a value shown through a
// picture), a page-number string, a box, a line or an image. A control belongs to
// one band and is placed relative to the band's corner, in thousandths of an inch.
// Controls are numbered; the number is how the report procedure and the export
// library reach them.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>
#include <variant>

#include "runtime/date_time.h"
#include "runtime/decimal.h"
#include "runtime/picture.h"
#include "runtime/report/report_font.h"

namespace bv {

enum class ControlKind { String, PageNumber, Box, Line, Image };

enum class TextAlignment { Left, Center, Right };

class ReportControl {
 public:
  using Value = std::variant<QString, Decimal, Date, Time>;

  ReportControl(int id, ControlKind kind, int bandId);

  int id() const { return id_; }
  ControlKind kind() const { return kind_; }
  int bandId() const { return bandId_; }

  // Position and size inside the band. A line runs from the corner (x, y) to the
  // opposite corner (x + width, y + height).
  const QRect& rect() const { return rect_; }
  ReportControl& setRect(const QRect& r);
  ReportControl& setRect(int x, int y, int width, int height) { return setRect(QRect(x, y, width, height)); }
  ReportControl& setPosition(int x, int y);
  ReportControl& setSize(int width, int height);

  bool visible() const { return visible_; }
  ReportControl& show() { visible_ = true; return *this; }
  ReportControl& hide() { visible_ = false; return *this; }

  // What a string shows: literal text, or a number, date or time, formatted through
  // the picture when the control has one.
  const Value& value() const { return value_; }
  ReportControl& setText(const QString& text) { value_ = text; return *this; }
  ReportControl& setValue(const Value& v) { value_ = v; return *this; }
  // False (and the picture unchanged) when the picture does not parse.
  bool setPicture(const QString& picture, QString* error = nullptr);
  ReportControl& clearPicture() { picture_.reset(); return *this; }
  const std::optional<Picture>& picture() const { return picture_; }

  // The text the control shows on page `pageNumber` (a page-number control shows
  // the page number through its picture).
  QString displayText(int pageNumber) const;

  // The control's own font, or none to take the band's.
  const std::optional<ReportFont>& font() const { return font_; }
  ReportControl& setFont(const ReportFont& f) { font_ = f; return *this; }
  ReportControl& clearFont() { font_.reset(); return *this; }
  TextAlignment alignment() const { return alignment_; }
  ReportControl& setAlignment(TextAlignment a) { alignment_ = a; return *this; }

  // Box fill, or a string's background; invalid = none (transparent).
  const QColor& fill() const { return fill_; }
  ReportControl& setFill(const QColor& c) { fill_ = c; return *this; }
  ReportControl& setTransparent() { fill_ = QColor(); return *this; }
  // Border of a box, colour of a line; invalid = no border.
  const QColor& lineColour() const { return lineColour_; }
  ReportControl& setLineColour(const QColor& c) { lineColour_ = c; return *this; }
  // Thickness of a border or line in units; 0 draws the thinnest line the device has.
  int lineWidth() const { return lineWidth_; }
  ReportControl& setLineWidth(int units) { lineWidth_ = std::max(0, units); return *this; }

  const QImage& image() const { return image_; }
  ReportControl& setImage(const QImage& image) { image_ = image; return *this; }
  // False (and the image unchanged) when the file cannot be read as an image.
  bool setImageFile(const QString& path);
  // The image's own size in units, from its resolution (96 dpi when it has none).
  QSize naturalSize() const;

 private:
  int id_;
  ControlKind kind_;
  int bandId_;
  QRect rect_;
  bool visible_ = true;
  Value value_;
  std::optional<Picture> picture_;
  std::optional<ReportFont> font_;
  TextAlignment alignment_ = TextAlignment::Left;
  QColor fill_;
  QColor lineColour_ = Qt::black;
  int lineWidth_ = 10;
  QImage image_;
};

}  // namespace bv
