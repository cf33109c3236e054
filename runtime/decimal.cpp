#include "runtime/decimal.h"

#include <QString>
#include <algorithm>
#include <limits>

namespace bv {
namespace {

using M = Decimal::Mantissa;

constexpr M pow10(int n) {
  M r = 1;
  for (int i = 0; i < n; ++i) r *= 10;
  return r;
}

// Divides by 10^n rounding half away from zero.
M divRound(M v, int n) {
  if (n <= 0) return v;
  const M d = pow10(n);
  M q = v / d;
  M r = v % d;
  if (r < 0) r = -r;
  if (r * 2 >= d) q += (v < 0 ? -1 : 1);
  return q;
}

bool mulOverflows(M a, M b, M* out) { return __builtin_mul_overflow(a, b, out); }

// Brings `v` of scale `from` to scale `to` (to >= from); false on overflow.
bool upscale(M v, int from, int to, M* out) { return !mulOverflows(v, pow10(to - from), out); }

constexpr M kSaturated = (static_cast<M>(1) << 125);

}  // namespace

Decimal Decimal::fromMantissa(Mantissa mantissa, int scale) {
  if (scale < 0) return Decimal(mantissa * pow10(-scale), 0, 0);
  if (scale > kMaxScale) return Decimal(divRound(mantissa, scale - kMaxScale), kMaxScale, 0);
  return Decimal(mantissa, scale, 0);
}

std::optional<Decimal> Decimal::parse(std::string_view text) {
  std::size_t i = 0, n = text.size();
  while (i < n && text[i] == ' ') ++i;
  while (n > i && text[n - 1] == ' ') --n;
  if (i == n) return std::nullopt;
  bool negative = false;
  if (text[i] == '-' || text[i] == '+') {
    negative = text[i] == '-';
    ++i;
  }
  M m = 0;
  int scale = 0, digits = 0;
  bool point = false;
  for (; i < n; ++i) {
    const char c = text[i];
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (c < '0' || c > '9') return std::nullopt;
    if (point) {
      if (scale == kMaxScale) continue;  // places beyond what any value keeps
      ++scale;
    }
    if (++digits > 36) return std::nullopt;
    m = m * 10 + (c - '0');
  }
  if (digits == 0) return std::nullopt;
  return fromMantissa(negative ? -m : m, scale);
}

std::optional<Decimal> Decimal::parse(const QString& text) {
  return parse(std::string_view(text.toStdString()));
}

Decimal Decimal::largest(int digits, int places) {
  return fromMantissa(pow10(digits) - 1, places);
}

Decimal Decimal::rounded(int places) const {
  places = std::clamp(places, 0, kMaxScale);
  if (places >= scale_) {
    M out;
    if (!upscale(m_, scale_, places, &out)) return *this;
    return Decimal(out, places, 0);
  }
  return Decimal(divRound(m_, scale_ - places), places, 0);
}

Decimal Decimal::truncated(int places) const {
  places = std::clamp(places, 0, kMaxScale);
  if (places >= scale_) return rounded(places);
  return Decimal(m_ / pow10(scale_ - places), places, 0);
}

long long Decimal::toInteger() const {
  const M q = m_ / pow10(scale_);
  if (q > std::numeric_limits<long long>::max()) return std::numeric_limits<long long>::max();
  if (q < std::numeric_limits<long long>::min()) return std::numeric_limits<long long>::min();
  return static_cast<long long>(q);
}

bool Decimal::fits(int digits, int places) const {
  const Decimal r = rounded(places);
  M m = r.m_ < 0 ? -r.m_ : r.m_;
  return m < pow10(digits);
}

std::string Decimal::toString() const {
  M m = m_ < 0 ? -m_ : m_;
  std::string digits;
  do {
    digits.push_back(static_cast<char>('0' + static_cast<int>(m % 10)));
    m /= 10;
  } while (m != 0);
  while (static_cast<int>(digits.size()) <= scale_) digits.push_back('0');
  std::reverse(digits.begin(), digits.end());
  if (scale_ > 0) digits.insert(digits.end() - scale_, '.');
  if (m_ < 0) digits.insert(digits.begin(), '-');
  return digits;
}

std::string Decimal::toString(int places) const { return rounded(places).toString(); }
QString Decimal::toQString() const { return QString::fromStdString(toString()); }
QString Decimal::toQString(int places) const { return QString::fromStdString(toString(places)); }

Decimal operator+(const Decimal& a, const Decimal& b) {
  const int s = std::max(a.scale_, b.scale_);
  M x, y, r;
  if (!upscale(a.m_, a.scale_, s, &x) || !upscale(b.m_, b.scale_, s, &y) ||
      __builtin_add_overflow(x, y, &r))
    return Decimal::fromMantissa(a.m_ < 0 ? -kSaturated : kSaturated, 0);
  return Decimal(r, s, 0);
}

Decimal operator-(const Decimal& a, const Decimal& b) { return a + (-b); }

Decimal operator*(const Decimal& a, const Decimal& b) {
  Decimal x = a, y = b;
  M r;
  // Products of very large values give up the places beyond kMaxScale first,
  // then places of the operands, so the result stays exact where it can.
  while (mulOverflows(x.m_, y.m_, &r)) {
    if (x.scale_ == 0 && y.scale_ == 0) return Decimal::fromMantissa(kSaturated, 0);
    if (x.scale_ >= y.scale_) x = x.rounded(x.scale_ - 1);
    else y = y.rounded(y.scale_ - 1);
  }
  return Decimal::fromMantissa(r, x.scale_ + y.scale_);
}

Decimal operator/(const Decimal& a, const Decimal& b) {
  if (b.m_ == 0) return Decimal();
  // Align both to one scale, then long division digit by digit: exact to
  // kMaxScale places plus one for rounding, without overflowing the mantissa.
  const int s = std::max(a.scale_, b.scale_);
  M n, d;
  if (!upscale(a.m_, a.scale_, s, &n) || !upscale(b.m_, b.scale_, s, &d)) {
    return Decimal::fromMantissa(0, 0);
  }
  const bool negative = (n < 0) != (d < 0);
  if (n < 0) n = -n;
  if (d < 0) d = -d;
  M q = n / d, r = n % d;
  for (int i = 0; i < Decimal::kMaxScale + 1; ++i) {
    M next;
    if (mulOverflows(q, 10, &next)) return Decimal::fromMantissa(negative ? -kSaturated : kSaturated, 0);
    r *= 10;
    q = next + r / d;
    r %= d;
  }
  q = divRound(q, 1);
  return Decimal::fromMantissa(negative ? -q : q, Decimal::kMaxScale);
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
  const int s = std::max(a.scale_, b.scale_);
  M x, y;
  const bool okx = upscale(a.m_, a.scale_, s, &x), oky = upscale(b.m_, b.scale_, s, &y);
  if (okx && oky) return x <=> y;
  // One side is too large to align: compare at the smaller scale instead.
  const int t = std::min(a.scale_, b.scale_);
  const M xa = divRound(a.m_, a.scale_ - t), yb = divRound(b.m_, b.scale_ - t);
  return xa <=> yb;
}

}  // namespace bv
