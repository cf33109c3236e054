#include "runtime/cp1252.h"

#include <array>

namespace bv::cp1252 {
namespace {

// Unicode of bytes 0x80-0x9F; the undefined bytes map to their own C1 code.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

// Is `u` one of the C1 codes that Windows-1252 replaces by another character?
bool isReplacedC1(char16_t u) { return u >= 0x80 && u <= 0x9F && kHigh[u - 0x80] != u; }

}  // namespace

char encodeChar(QChar c) {
  const char16_t u = c.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
  if (u <= 0x9F) return isReplacedC1(u) ? '?' : static_cast<char>(u);
  for (std::size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == u) return static_cast<char>(0x80 + i);
  return '?';
}

QByteArray encode(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      out.append('?');  // one character outside the table, one '?'
      ++i;
      continue;
    }
    out.append(encodeChar(c));
  }
  return out;
}

QString decode(const QByteArray& bytes) {
  QString out;
  out.reserve(bytes.size());
  for (const char b : bytes) {
    const auto u = static_cast<unsigned char>(b);
    out.append(QChar(u >= 0x80 && u <= 0x9F ? kHigh[u - 0x80] : char16_t(u)));
  }
  return out;
}

}  // namespace bv::cp1252
