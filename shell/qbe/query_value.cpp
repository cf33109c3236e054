#include "shell/qbe/query_value.h"

namespace bv {
namespace {
bool isOperatorChar(QChar c) { return c == u'=' || c == u'<' || c == u'>' || c == u'~'; }
}  // namespace

QString normaliseOperator(const QString& typed) {
  QString out;
  bool equal = false, less = false, greater = false;
  for (QChar c : typed) {
    if (c == u'=') {
      equal = true;
      continue;
    }
    if (out.contains(c)) continue;
    out += c;
    less = less || c == u'<';
    greater = greater || c == u'>';
  }
  if (equal && !(less && greater)) out += u'=';
  return out;
}

QueryValue readQueryValue(const QString& typed) {
  QueryValue v;
  qsizetype i = 0;
  while (i < typed.size() && isOperatorChar(typed[i])) ++i;
  if (i > 0) v.op = normaliseOperator(typed.left(i));
  QString rest = typed.mid(i);
  // "*" and "^" may lead in either order.
  for (int pass = 0; pass < 2 && !rest.isEmpty(); ++pass) {
    if (rest.startsWith(u'*') && v.match == QueryMatch::Compare) {
      v.match = QueryMatch::Contains;
      rest.remove(0, 1);
    } else if (rest.startsWith(u'^') && !v.caseInsensitive) {
      v.caseInsensitive = true;
      rest.remove(0, 1);
    }
  }
  if (rest.endsWith(u'*')) {
    rest.chop(1);
    if (v.match == QueryMatch::Compare) v.match = QueryMatch::Begins;
  }
  v.text = rest;
  return v;
}

QStringList queryFormOperators() {
  using namespace query_ops;
  return {kEqual, kNotEqual, QStringLiteral("<"), QStringLiteral("<="), QStringLiteral(">"), QStringLiteral(">="),
          kContains, kBegins, kRange};
}

QString composeQueryValue(const QString& formOperator, const QString& text, bool caseInsensitive) {
  const QString marked = caseInsensitive ? u'^' + text : text;
  if (formOperator == query_ops::kContains) return u'*' + marked;
  if (formOperator == query_ops::kBegins) return marked + u'*';
  if (formOperator == query_ops::kNotEqual) return QStringLiteral("<>") + marked;
  return normaliseOperator(formOperator) + marked;
}

QueryValueShown showQueryValue(const QString& typed) {
  const QueryValue v = readQueryValue(typed);
  QueryValueShown shown{v.op, v.text, v.caseInsensitive};
  if (v.match == QueryMatch::Contains) shown.formOperator = query_ops::kContains;
  else if (v.match == QueryMatch::Begins) shown.formOperator = query_ops::kBegins;
  else if (v.op == QStringLiteral("<>")) shown.formOperator = query_ops::kNotEqual;
  return shown;
}

}  // namespace bv
