#include "runtime/report/report_font.h"

#include <algorithm>

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

QFont ReportFont::toQFont() const {
  QFont font(family);
  font.setStyleHint(styleHintFor(family));
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
