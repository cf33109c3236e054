#pragma once
// The font of a report control as the report names it: a family ("Courier New",
// "Arial", "MS Sans Serif"), a point size, a weight and a colour. The named family
// is kept as written. When the page is drawn, the families the system names are
// drawn in their metric-compatible Liberation family ("Arial" and "MS Sans Serif"
// in Liberation Sans, "Courier New" in Liberation Mono, "Times New Roman" in
// Liberation Serif), so a report lays out the same on every station; a station
// without them falls back to Qt's matching of the same kind (a fixed-pitch face
// for "Courier New").
#include <QColor>
#include <QFont>
#include <QString>

namespace bv {

struct ReportFont {
  static constexpr int kNormal = 400;
  static constexpr int kBold = 700;

  QString family = QStringLiteral("Arial");
  int pointSize = 10;
  int weight = kNormal;  // 100 to 900
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  QColor colour = Qt::black;

  // The font to draw with. Point sizes are resolved by the device painted on.
  QFont toQFont() const;

  friend bool operator==(const ReportFont&, const ReportFont&) = default;
};

// The Liberation family a named family is drawn in ("Liberation Mono" for
// "Courier New"), whether or not it is installed; empty for other families.
QString metricFamilyFor(const QString& family);

// The style hint for a family name, so font matching picks a face of the same
// kind (fixed-pitch for "Courier New", sans serif for "Arial", serif for "Times").
QFont::StyleHint styleHintFor(const QString& family);

// A colour given the way the system stores colours: 0x00BBGGRR (blue in the high
// byte). Negative values (no colour) give an invalid QColor.
QColor colourFromBgr(long long bgr);

}  // namespace bv
