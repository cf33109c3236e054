#include "runtime/filter/filter_lexer.h"

namespace bv::filter_detail {
namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool startsName(QChar c) { return c.isLetter() || c == u'_'; }
bool continuesName(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u':'; }
bool isComparisonChar(QChar c) { return c == u'=' || c == u'<' || c == u'>' || c == u'~'; }

// A comparison is read from the set of its characters, each written at most once:
// "=>" and ">=" are the same, "<>" is not equal, and "~" negates the rest
// ("~=" not equal, "~<" not less); a lone "~" is not equal.
std::optional<Relation> relationOf(const QString& op) {
  bool less = false, greater = false, equal = false, negate = false;
  for (QChar c : op) {
    bool& seen = c == u'<' ? less : c == u'>' ? greater : c == u'=' ? equal : negate;
    if (seen) return std::nullopt;
    seen = true;
  }
  Relation r = Relation::Equal;
  if (less && greater) r = Relation::NotEqual;
  else if (less) r = equal ? Relation::LessEqual : Relation::Less;
  else if (greater) r = equal ? Relation::GreaterEqual : Relation::Greater;
  else if (!equal) return Relation::NotEqual;  // "~" alone
  return negate ? negated(r) : r;
}

}  // namespace

Relation negated(Relation r) {
  switch (r) {
    case Relation::Equal: return Relation::NotEqual;
    case Relation::NotEqual: return Relation::Equal;
    case Relation::Less: return Relation::GreaterEqual;
    case Relation::LessEqual: return Relation::Greater;
    case Relation::Greater: return Relation::LessEqual;
    case Relation::GreaterEqual: return Relation::Less;
  }
  return r;
}

std::optional<std::vector<Token>> tokenize(const QString& source, QString* reason) {
  std::vector<Token> tokens;
  const qsizetype n = source.size();
  qsizetype i = 0;
  auto fail = [&](const QString& why) {
    if (reason) *reason = why;
    return std::nullopt;
  };
  while (true) {
    while (i < n && isBlank(source[i])) ++i;
    Token t;
    t.position = static_cast<int>(i + 1);
    if (i == n) {
      tokens.push_back(t);
      return tokens;
    }
    const QChar c = source[i];
    const bool negativeNumber = c == u'-' && i + 1 < n &&
                                (isDigit(source[i + 1]) || (source[i + 1] == u'.' && i + 2 < n && isDigit(source[i + 2])));
    if (isDigit(c) || negativeNumber || (c == u'.' && i + 1 < n && isDigit(source[i + 1]))) {
      const qsizetype from = i;
      if (c == u'-') ++i;
      while (i < n && (isDigit(source[i]) || source[i] == u'.')) ++i;
      const auto number = Decimal::parse(source.mid(from, i - from));
      if (!number || (i < n && startsName(source[i]))) {
        while (i < n && continuesName(source[i])) ++i;
        return fail(QStringLiteral("Número no válido en la posición %1: %2").arg(t.position).arg(source.mid(from, i - from)));
      }
      t.type = Token::Type::Number;
      t.number = *number;
    } else if (startsName(c)) {
      const qsizetype from = i;
      while (i < n && continuesName(source[i])) ++i;
      t.type = Token::Type::Name;
      t.text = source.mid(from, i - from);
    } else if (c == u'\'') {
      ++i;
      while (true) {
        if (i == n) return fail(QStringLiteral("Falta la comilla que cierra el texto de la posición %1").arg(t.position));
        if (source[i] == u'\'') {
          if (i + 1 < n && source[i + 1] == u'\'') {
            t.text += u'\'';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        t.text += source[i++];
      }
      t.type = Token::Type::Text;
    } else if (c == u'@') {
      // A bare picture runs to the "," or ")" that ends the argument; literal
      // text between "~" and a "p...p" pattern may hold any character.
      const qsizetype from = i++;
      const bool pattern = i < n && (source[i] == u'p' || source[i] == u'P');
      if (pattern) {
        ++i;
        while (i < n && source[i] != u'p' && source[i] != u'P') ++i;
        if (i < n) ++i;
      }
      bool literal = false;
      while (i < n && (literal || (source[i] != u',' && source[i] != u')'))) {
        if (source[i] == u'~') literal = !literal;
        ++i;
      }
      t.type = Token::Type::Picture;
      t.text = source.mid(from, i - from).trimmed();
    } else if (isComparisonChar(c)) {
      const qsizetype from = i;
      while (i < n && isComparisonChar(source[i])) ++i;
      const QString op = source.mid(from, i - from);
      const auto relation = relationOf(op);
      if (!relation) return fail(QStringLiteral("Operador no válido en la posición %1: %2").arg(t.position).arg(op));
      t.type = Token::Type::Comparison;
      t.relation = *relation;
      t.text = op;
    } else if (c == u'(' || c == u')' || c == u',') {
      t.type = c == u'(' ? Token::Type::Open : c == u')' ? Token::Type::Close : Token::Type::Comma;
      ++i;
    } else {
      return fail(QStringLiteral("Carácter no válido en la posición %1: %2").arg(t.position).arg(c));
    }
    tokens.push_back(std::move(t));
  }
}

}  // namespace bv::filter_detail
