#pragma once
// The syntax of a value typed for a query item, and the same value as the
// form's editor builds it from an operator chosen in a list.
//
//   [operator] [*] [^] text [*]
//
// The operator is the leading run of "=", "<", ">" and "~"; it is written back
// with "<", ">" and "~" once each in the order typed, then "=" when one was
// typed and not both "<" and ">" ("=>" reads ">=", "<>=" reads "<>"). None
// typed means "=". A leading "*" asks for the values containing the text, a
// trailing one for those beginning with it (the operator is then ignored). A
// leading "^" compares without regard to letter case.
#include <QString>
#include <QStringList>

namespace bv {

enum class QueryMatch { Compare, Contains, Begins };

struct QueryValue {
  QString op = QStringLiteral("=");  // for Compare
  QueryMatch match = QueryMatch::Compare;
  bool caseInsensitive = false;
  QString text;  // the value without operator and markers
};

// The normalised form of an operator prefix ("" stays "").
QString normaliseOperator(const QString& typed);
QueryValue readQueryValue(const QString& typed);

// ---- the form's editor ------------------------------------------------------------

// The operators the form offers, as it lists them.
namespace query_ops {
inline const QString kEqual = QStringLiteral("=");
inline const QString kNotEqual = QStringLiteral("NOT =");
inline const QString kContains = QStringLiteral("Contains");
inline const QString kBegins = QStringLiteral("Begins");
inline const QString kRange = QStringLiteral("Range");
}  // namespace query_ops
QStringList queryFormOperators();

// The value typed for an operator of the list (not Range): "NOT =" is written
// "<>", "Contains" puts "*" before the text, "Begins" one after it; "^" marks
// a case-insensitive value.
QString composeQueryValue(const QString& formOperator, const QString& text, bool caseInsensitive);

// What the form shows of a typed value: its operator as the list names it
// ("<>" as "NOT ="; other typed forms such as "~<" as typed) and the text.
struct QueryValueShown {
  QString formOperator;
  QString text;
  bool caseInsensitive = false;
};
QueryValueShown showQueryValue(const QString& typed);

}  // namespace bv
