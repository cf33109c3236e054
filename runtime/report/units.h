#pragma once
// Report measures are whole thousandths of an inch ("units"). They become device
// pixels only when a page is drawn, with the resolution of the device drawn on,
// so the layout never depends on the screen or the printer.
#include <QPoint>
#include <QRect>

namespace bv {

inline constexpr int kUnitsPerInch = 1000;

namespace detail {
// a * b / c rounded half away from zero, without overflow for report sizes.
constexpr int scaleRounded(long long a, long long b, long long c) {
  const long long p = a * b;
  return static_cast<int>(p >= 0 ? (p + c / 2) / c : -((-p + c / 2) / c));
}
}  // namespace detail

// Units to pixels at `dpi`.
constexpr int unitsToPixels(int units, int dpi) { return detail::scaleRounded(units, dpi, kUnitsPerInch); }

inline QPoint unitsToPixels(const QPoint& p, int dpiX, int dpiY) {
  return QPoint(unitsToPixels(p.x(), dpiX), unitsToPixels(p.y(), dpiY));
}

// The corners are converted rather than the size, so boxes that touch in units
// touch on the device too.
inline QRect unitsToPixels(const QRect& r, int dpiX, int dpiY) {
  const int left = unitsToPixels(r.x(), dpiX);
  const int top = unitsToPixels(r.y(), dpiY);
  return QRect(left, top, unitsToPixels(r.x() + r.width(), dpiX) - left,
               unitsToPixels(r.y() + r.height(), dpiY) - top);
}

// Paper sizes are also given in tenths of a millimetre (254 to the inch).
constexpr int tenthsMmToUnits(int tenths) { return detail::scaleRounded(tenths, kUnitsPerInch, 254); }
constexpr int unitsToTenthsMm(int units) { return detail::scaleRounded(units, 254, kUnitsPerInch); }

}  // namespace bv
