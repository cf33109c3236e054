#include "runtime/automation/cell_address.h"

#include <algorithm>

namespace bv {
namespace {

bool isLetter(QChar c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

QStringView skipDollar(QStringView s) { return s.startsWith(u'$') ? s.mid(1) : s; }

}  // namespace

QString columnLetters(int column) {
  QString out;
  while (column > 0) {
    const int digit = (column - 1) % 26;
    out.prepend(QChar(u'A' + digit));
    column = (column - 1) / 26;
  }
  return out;
}

std::optional<int> parseColumnLetters(QStringView letters) {
  letters = skipDollar(letters);
  if (letters.isEmpty() || letters.size() > 3) return std::nullopt;
  int column = 0;
  for (const QChar c : letters) {
    if (!isLetter(c)) return std::nullopt;
    column = column * 26 + (c.toUpper().unicode() - u'A' + 1);
  }
  if (column > kMaxColumns) return std::nullopt;
  return column;
}

std::optional<CellAddress> parseCellAddress(QStringView text) {
  text = text.trimmed();
  qsizetype i = 0;
  if (i < text.size() && text[i] == u'$') ++i;
  const qsizetype lettersStart = i;
  while (i < text.size() && isLetter(text[i])) ++i;
  const auto column = parseColumnLetters(text.mid(lettersStart, i - lettersStart));
  if (!column) return std::nullopt;
  if (i < text.size() && text[i] == u'$') ++i;
  const QStringView digits = text.mid(i);
  if (digits.isEmpty() || digits.size() > 7) return std::nullopt;
  int row = 0;
  for (const QChar c : digits) {
    if (!isDigit(c)) return std::nullopt;
    row = row * 10 + (c.unicode() - u'0');
  }
  if (row < 1 || row > kMaxRows) return std::nullopt;
  return CellAddress{row, *column};
}

std::optional<CellRange> parseCellRange(QStringView text) {
  const qsizetype colon = text.indexOf(u':');
  if (colon < 0) {
    const auto cell = parseCellAddress(text);
    if (!cell) return std::nullopt;
    return CellRange{*cell, *cell};
  }
  const auto a = parseCellAddress(text.left(colon));
  const auto b = parseCellAddress(text.mid(colon + 1));
  if (!a || !b) return std::nullopt;
  return CellRange{{std::min(a->row, b->row), std::min(a->column, b->column)},
                   {std::max(a->row, b->row), std::max(a->column, b->column)}};
}

std::optional<std::pair<int, int>> parseColumnRange(QStringView text) {
  text = text.trimmed();
  const qsizetype colon = text.indexOf(u':');
  const auto a = parseColumnLetters(colon < 0 ? text : text.left(colon).trimmed());
  const auto b = parseColumnLetters(colon < 0 ? text : text.mid(colon + 1).trimmed());
  if (!a || !b) return std::nullopt;
  return std::pair{std::min(*a, *b), std::max(*a, *b)};
}

}  // namespace bv
