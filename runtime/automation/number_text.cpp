#include "runtime/automation/number_text.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace bv {
namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Drops trailing zeros of the decimals and a bare point: "9.0000" -> "9".
void dropTrailingZeros(std::string& s) {
  if (s.find('.') == std::string::npos) return;
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  if (s == "-0") s = "0";
}

}  // namespace

std::optional<QString> numberText(QStringView text) {
  text = text.trimmed();
  qsizetype i = 0;
  std::string plain;
  plain.reserve(text.size());
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    if (text[i] == u'-') plain += '-';
    ++i;
  }
  // Whole part, with optional grouping in threes.
  int digits = 0;
  int groupDigits = -1;  // digits since the last ",", -1 before the first ","
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (isDigit(c)) {
      plain += char(c.unicode());
      ++digits;
      if (groupDigits >= 0) ++groupDigits;
    } else if (c == u',') {
      if (digits == 0 || (groupDigits >= 0 && groupDigits != 3)) return std::nullopt;
      if (groupDigits < 0 && digits > 3) return std::nullopt;
      groupDigits = 0;
    } else {
      break;
    }
  }
  if (groupDigits >= 0 && groupDigits != 3) return std::nullopt;
  int decimals = 0;
  if (i < text.size() && text[i] == u'.') {
    plain += '.';
    for (++i; i < text.size() && isDigit(text[i]); ++i, ++decimals)
      plain += char(text[i].unicode());
  }
  if (digits + decimals == 0) return std::nullopt;
  bool exponent = false;
  if (i < text.size() && (text[i] == u'E' || text[i] == u'e')) {
    std::string e = "e";
    qsizetype j = i + 1;
    if (j < text.size() && (text[j] == u'+' || text[j] == u'-')) e += char(text[j++].unicode());
    const qsizetype start = j;
    for (; j < text.size() && isDigit(text[j]); ++j) e += char(text[j].unicode());
    if (j == start) return std::nullopt;
    plain += e;
    exponent = true;
    i = j;
  }
  if (i != text.size()) return std::nullopt;

  if (exponent) return numberTextOf(std::strtod(plain.c_str(), nullptr));
  if (plain.front() == '.' || (plain.front() == '-' && plain.size() > 1 && plain[1] == '.'))
    plain.insert(plain.front() == '-' ? 1 : 0, "0");
  // Leading zeros go the way the spreadsheet drops them: "0007" is 7.
  const std::size_t sign = plain.front() == '-' ? 1 : 0;
  std::size_t firstNonZero = sign;
  while (firstNonZero + 1 < plain.size() && plain[firstNonZero] == '0' &&
         plain[firstNonZero + 1] != '.')
    ++firstNonZero;
  plain.erase(sign, firstNonZero - sign);
  if (plain.back() == '.') plain.pop_back();
  dropTrailingZeros(plain);
  return QString::fromLatin1(plain.data(), qsizetype(plain.size()));
}

QString numberTextOf(double value) {
  if (!std::isfinite(value)) return QStringLiteral("0");
  QString s = QString::number(value, 'g', 15);
  if (s.contains(u'e') && std::fabs(value) >= 1e-9 && std::fabs(value) < 1e15) {
    s = QString::number(value, 'f', 15);
    std::string t = s.toStdString();
    dropTrailingZeros(t);
    s = QString::fromStdString(t);
  }
  return s == QStringLiteral("-0") ? QStringLiteral("0") : s;
}

double numberValue(const QString& plainText) {
  char buffer[64];  // plain number texts are short; a longer one takes the slow way
  if (plainText.size() >= qsizetype(sizeof buffer))
    return std::strtod(plainText.toLatin1().constData(), nullptr);
  qsizetype i = 0;
  for (; i < plainText.size(); ++i) buffer[i] = char(plainText.at(i).unicode());
  buffer[i] = '\0';
  return std::strtod(buffer, nullptr);
}

}  // namespace bv
