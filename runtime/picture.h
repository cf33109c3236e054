#pragma once
// Display pictures: how a value is shown and how typed text is read back.
//
// One parsed picture both formats (value to text) and deformats (typed text to
// value), so that what a field shows can always be typed back. A leading "@" is
// ignored and the letter case of the picture letter does not matter.
//
//   sN            text of N characters, padded with blanks or cut to N.
//   n / N         number: n [-] [0] width [.places] [-] [b], with one ~lit~
//                 before the width (before or after the letter or the "-") and
//                 one at the end: "n-~$~8.2", "N17.1~ gr~".
//                 "-" before the width: a negative's minus leads the whole text
//                   (before a leading literal); "-" after the places: the minus
//                   follows the digits. Without either, a negative still shows
//                   its "-", just before the digits.
//                 "0": fill with zeros up to the width, no grouping; otherwise
//                   thousands are grouped with ",". The decimal point is ".".
//                 "b": blank (empty text) when the value rounds to zero.
//                 ~lit~: literal text (currency, unit) before or after the number.
//                 The width counts the whole text: sign, digits, grouping
//                 commas, point, decimals and literals ("n10.2" shows 1234.5 as
//                 "  1,234.50"; "N17.1~ gr~" shows 12.3 as 10 blanks, "12.3 gr").
//                 The text is right-aligned in the width; a number that does not
//                 fit is shown with all its digits, the text growing past it.
//                 Values are rounded half away from zero to the places.
//   d6, d17, D17  date dd/mm/yyyy ("d06" and "D017", zero-padded, are the same).
//   T3            time hh:mm; T4, t4, T8: hh:mm:ss.
//   p...p         pattern: "#" a digit (a leading zero shown as "0"), "<" a digit
//                 or a blank for a leading zero, anything else literal. The
//                 integer value's digits fill the slots from the right; digits
//                 beyond the slots are put before the first slot (never cut).
//                 "pHoja: <<#p" shows 7 as "Hoja:   7"; "p##/##p" 1205 as "12/05".
//
// A blank result (a zero date or time, a zero number with "b") is an empty text.
#include <QString>
#include <optional>

#include "runtime/date_time.h"
#include "runtime/decimal.h"

namespace bv {

class Picture {
 public:
  enum class Kind { Text, Number, Date, Time, Pattern };

  // nullopt when the picture does not parse; *error receives a Spanish reason.
  static std::optional<Picture> parse(const QString& picture, QString* error = nullptr);

  Kind kind() const { return kind_; }
  // Characters the picture reserves: the text width, the number's whole width,
  // 10 for a date, 5 or 8 for a time, the pattern's length.
  int width() const { return width_; }
  int places() const { return places_; }  // decimals of a number picture
  bool blankWhenZero() const { return blank_; }
  bool zeroFilled() const { return zeroFill_; }
  bool isNumeric() const { return kind_ == Kind::Number || kind_ == Kind::Pattern; }
  const QString& text() const { return text_; }  // the picture as given

  // A Text picture shows the number's plain text with its own places, cut to
  // the width (the caller passes the value with its field's places); a date or
  // time picture reads the number as a day number or a stored time.
  QString format(const Decimal& v) const;
  // Text: padded or cut to the width. A number or pattern picture reads the text
  // as a number (plain or in the picture's own form; other text is shown as it
  // is, right-aligned); a date picture reads a day number or "yyyy-mm-dd"; a
  // time picture a stored time or "hh:mm[:ss]".
  QString format(const QString& v) const;
  QString format(Date d) const;  // a zero date is blank
  QString format(Time t) const;  // a zero time is blank

  // Typed text back to a number: "." for decimals; "12,5" is refused (never read
  // as 125); grouping commas as the picture writes them ("1,234.50") are
  // accepted, as are the picture's literals, blanks around the number and one
  // leading or trailing "-" or leading "+". An empty text is 0. The result is
  // rounded to the picture's places. A pattern reads the digits of its slots.
  std::optional<Decimal> deformatNumber(const QString& typed) const;
  // dd/mm/yyyy, also d/m/yyyy, "-" or "." as separator, a two-digit year (the
  // century that puts it within 80 years before and 20 after today), ddmmyyyy
  // and ddmmyy. An empty text is no date.
  std::optional<Date> deformatDate(const QString& typed) const;
  // h:mm or h:mm:ss (24 hours). An empty text is no time.
  std::optional<Time> deformatTime(const QString& typed) const;
  // Text: cut to the width. Pattern: the digits typed in its slots. Others: the
  // text unchanged.
  QString deformatText(const QString& typed) const;

 private:
  Picture() = default;
  QString formatNumber(const Decimal& v) const;
  QString formatPattern(const Decimal& v) const;
  QString fillPattern(const QString& digits, bool negative) const;
  std::optional<Decimal> readNumber(QString typed) const;
  QString patternDigits(const QString& typed) const;

  Kind kind_ = Kind::Text;
  QString text_;
  int width_ = 0;
  int places_ = 0;
  bool blank_ = false;
  bool zeroFill_ = false;
  bool minusLeads_ = false;
  bool minusTrails_ = false;
  bool withSeconds_ = false;  // time pictures
  QString before_;            // literal before the number
  QString after_;             // literal after the number
  QString pattern_;           // the pattern between its "p"s
};

}  // namespace bv
