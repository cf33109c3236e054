#include "runtime/report/report_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <algorithm>
#include <mutex>

namespace bv {

QFont::StyleHint styleHintFor(const QString& family) {
  const QString f = family.toLower();
  if (f.contains(u"courier") || f.contains(u"mono") || f.contains(u"consol") ||
      f.contains(u"fixed") || f.contains(u"terminal") || f.contains(u"lucida console"))
    return QFont::TypeWriter;
  if (f.contains(u"times") || (f.contains(u"serif") && !f.contains(u"sans")) ||
      f.contains(u"georgia") || f.contains(u"garamond") || f.contains(u"roman"))
    return QFont::Serif;
  return QFont::SansSerif;
}

QString metricFamilyFor(const QString& family) {
  const QString f = family.trimmed().toLower();
  if (f == u"arial" || f == u"ms sans serif") return QStringLiteral("Liberation Sans");
  if (f == u"courier new") return QStringLiteral("Liberation Mono");
  if (f == u"times new roman") return QStringLiteral("Liberation Serif");
  return {};
}

namespace {

bool installed(const QString& family) {
  // Looked up once per family: the font database is asked for every control drawn.
  static std::mutex mutex;
  static QHash<QString, bool> known;
  std::lock_guard lock(mutex);
  const auto it = known.constFind(family);
  if (it != known.cend()) return *it;
  return *known.insert(family, QFontDatabase::hasFamily(family));
}

// A family whose face Qt reports as fixed pitch: the system's fixed font when
// it is one, else the first such family installed.
QString fixedPitchFamily() {
  static const QString family = [] {
    const auto fixed = [](const QString& f) {
      QFont font(f);
      font.setStyleHint(QFont::TypeWriter);
      const QFontInfo face(font);
      return face.fixedPitch() && face.family() == f;
    };
    const QString system = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    if (fixed(system)) return system;
    for (const QString& f : QFontDatabase::families())
      if (QFontDatabase::isFixedPitch(f) && fixed(f)) return f;
    return system;
  }();
  return family;
}

// The family to draw a named family in, and for a fixed-pitch kind a face that
// is fixed pitch whatever else the station has installed.
void chooseFamily(QFont& font, const QString& named) {
  const QFont::StyleHint hint = styleHintFor(named);
  font.setStyleHint(hint);
  const QString metric = metricFamilyFor(named);
  if (!metric.isEmpty() && installed(metric)) {
    font.setFamily(metric);
    return;
  }
  font.setFamily(named);
  if (hint != QFont::TypeWriter) return;
  font.setFixedPitch(true);
  if (!QFontInfo(font).fixedPitch()) font.setFamily(fixedPitchFamily());
}

}  // namespace

QFont ReportFont::toQFont() const {
  QFont font;
  chooseFamily(font, family);
  font.setPointSize(pointSize > 0 ? pointSize : 10);
  font.setWeight(static_cast<QFont::Weight>(std::clamp(weight, 100, 900)));
  font.setItalic(italic);
  font.setUnderline(underline);
  font.setStrikeOut(strikeOut);
  // Glyph positions are taken from the font design, not from the screen's
  // hinted metrics, so a line measures the same on the preview and on paper.
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  return font;
}

QColor colourFromBgr(long long bgr) {
  if (bgr < 0) return {};
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

}  // namespace bv
