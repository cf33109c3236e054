#pragma once
// Exact fixed-point decimal for money, quantities and weights.
//
// A value is an integer mantissa with a decimal scale (number of places). Sums
// keep the larger scale; products keep every place up to kMaxScale; quotients
// carry kMaxScale places. Storing a value into a field or a working value of n
// places rounds half away from zero (rounded(n)). Division by zero gives 0.
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class QString;

namespace bv {

class Decimal {
 public:
  using Mantissa = __int128;
  // Places kept by products and quotients: more than the 12 that intermediate
  // results of an expression must keep.
  static constexpr int kMaxScale = 14;

  constexpr Decimal() = default;
  constexpr Decimal(int v) : m_(v) {}            // NOLINT(google-explicit-constructor)
  constexpr Decimal(long long v) : m_(v) {}      // NOLINT(google-explicit-constructor)
  constexpr Decimal(long v) : m_(v) {}           // NOLINT(google-explicit-constructor)

  static Decimal fromMantissa(Mantissa mantissa, int scale);
  // Plain decimal text: optional blanks, optional sign, digits with an optional
  // "." and decimals. Anything else (a ",", letters, an empty text) is refused.
  static std::optional<Decimal> parse(std::string_view text);
  static std::optional<Decimal> parse(const QString& text);
  // The largest value a field of `digits` digits with `places` decimals holds.
  static Decimal largest(int digits, int places);

  Mantissa mantissa() const { return m_; }
  int scale() const { return scale_; }

  // Rounded half away from zero to `places` decimals (or padded to them).
  Decimal rounded(int places) const;
  // Cut towards zero to `places` decimals.
  Decimal truncated(int places) const;
  // The integer part, cut towards zero (saturates at the 64-bit range).
  long long toInteger() const;
  // Does the value fit a field of `digits` digits with `places` decimals, once
  // rounded to those places?
  bool fits(int digits, int places) const;

  bool isZero() const { return m_ == 0; }
  bool isNegative() const { return m_ < 0; }
  Decimal abs() const { return m_ < 0 ? -*this : *this; }

  // The value with exactly its scale's places: "1.2500", "-3", "0.50".
  std::string toString() const;
  // The value rounded to `places` and written with exactly that many places.
  std::string toString(int places) const;
  QString toQString() const;
  QString toQString(int places) const;

  Decimal operator-() const { return fromMantissa(-m_, scale_); }
  friend Decimal operator+(const Decimal& a, const Decimal& b);
  friend Decimal operator-(const Decimal& a, const Decimal& b);
  friend Decimal operator*(const Decimal& a, const Decimal& b);
  friend Decimal operator/(const Decimal& a, const Decimal& b);
  Decimal& operator+=(const Decimal& o) { return *this = *this + o; }
  Decimal& operator-=(const Decimal& o) { return *this = *this - o; }
  Decimal& operator*=(const Decimal& o) { return *this = *this * o; }
  Decimal& operator/=(const Decimal& o) { return *this = *this / o; }

  friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
  friend bool operator==(const Decimal& a, const Decimal& b) { return (a <=> b) == 0; }

 private:
  constexpr Decimal(Mantissa m, int scale, int) : m_(m), scale_(scale) {}
  Mantissa m_ = 0;
  int scale_ = 0;
};

}  // namespace bv
