#include "kalrep/printer_geometry.h"

#include <cmath>

#include "kalrep/column_descriptor.h"
#include "kalrep/paper.h"
#include "runtime/picture.h"

namespace bv::printer {
namespace {

int roundMm(double millimetres) { return int(std::lround(millimetres * paper::kMillimetre)); }

int half(int value) { return int(std::lround(value / 2.0)); }

// Paper measures are whole thousandths of an inch.
constexpr int kRightMargin = 500;
constexpr int kPortraitBottom = 1023;
constexpr int kLandscapeBottom = 500;

}  // namespace

int resolutionFactor(int resolution) {
  constexpr int kDraft = -1, kLowQuality = -2;
  int r = resolution;
  if (r == kDraft || r == kLowQuality)
    r = 300;
  else if (r < 1 || r > 300)
    r = 400;
  // The fraction is dropped, as the runtime stores a real in a whole number:
  // every setting gives 1, so cells keep their size on every printer.
  return int((400.0 - r) / 400.0 + 1.0);
}

int cellUnits(long listUnits, int factor) {
  return int(std::lround(double(listUnits) * kCellFactor * factor));
}

PageFrame pageFrame(long paperWidth, long paperHeight, bool landscape, int extraTitles,
                    bool toText, QChar justification, int usableMillimetres) {
  PageFrame f;
  const int titles = kTitlePitch * extraTitles;
  const int rule = toText ? kTitlePitch : 0;
  const long pageWidth = landscape ? paperHeight : paperWidth;
  const long pageHeight = landscape ? paperWidth : paperHeight;
  f.bodyY = kHeaderBandY + kHeaderBandHeight + titles + rule;
  f.usableWidth = int(pageWidth - kBodyX - kRightMargin);
  f.bodyHeight = int(pageHeight - f.bodyY - (landscape ? kLandscapeBottom : kPortraitBottom) -
                     rule - titles);
  f.blockWidth = roundMm(usableMillimetres);
  switch (justification.toUpper().unicode()) {
    case u'C':
      f.blockOffset = half(f.usableWidth - f.blockWidth);
      break;
    case u'D':
      f.blockOffset = f.usableWidth - f.blockWidth;
      break;
    default:
      f.blockOffset = 0;
  }
  return f;
}

TitlePlace titlePlace(const QString& title, const PageFrame& frame, QChar justification,
                      int usableMillimetres) {
  const int needed = int(withoutTrailingBlanks(title).size()) * 4 + 24;
  if (usableMillimetres >= needed) return {frame.blockOffset, frame.blockWidth, false};
  TitlePlace p{0, roundMm(needed), true};
  switch (justification.toUpper().unicode()) {
    case u'C':
      p.x = half(frame.usableWidth - p.width);
      break;
    case u'D':
      p.x = frame.usableWidth - p.width;
      break;
    default:
      break;
  }
  return p;
}

int extraTitleWidth(const QString& line) {
  return roundMm(double(withoutTrailingBlanks(line.left(kExtraTitleCharacters)).size() * 4 + 24));
}

QString cellText(const QString& text, QChar justification, int listUnits) {
  const int n = int(std::lround((listUnits - 5) / 4.0));
  QString s = withoutTrailingBlanks(text);
  if (s.isEmpty()) return s;  // a blank cell stays empty
  qsizetype lead = 0;
  while (lead < s.size() && s.at(lead) == u' ') ++lead;
  switch (justification.toUpper().unicode()) {
    case u'R':
      return s.size() < n ? QString(n - s.size(), u' ') + s : s;
    case u'C': {
      s.remove(0, lead);
      return s.size() < n ? QString((n - s.size()) / 2, u' ') + s : s;
    }
    default:
      return s.remove(0, lead);
  }
}

QString pageHeaderPicture(bool date, bool time, bool page, Date today, Time now) {
  QString out = QStringLiteral("@p");
  if (date)
    out += QStringLiteral("Fecha:") + Picture::parse(QStringLiteral("d6"))->format(today);
  if (time)
    out += QStringLiteral(" Hora:") + Picture::parse(QStringLiteral("t4"))->format(now);
  if (page) out += QStringLiteral(" Pagina: <<<");
  return out + u'p';
}

}  // namespace bv::printer
