#include "shell/qbe/query_filter.h"

#include "runtime/filter/filter_expression.h"
#include "runtime/picture.h"
#include "shell/qbe/query_value.h"
#include "storage/errors/error_manager.h"

#include <optional>

namespace bv {
namespace {

constexpr int kQueryValueMessage = 41;

// Resolves every name, so that a part can be checked for its syntax before the
// view, which knows the fields, is asked to use it.
class AnyNameBinding : public FilterBinding {
 public:
  int resolve(const QString& name) const override { return names_.add(name); }
  FilterValue::Kind kind(int) const override { return FilterValue::Kind::Text; }
  Decimal number(int) const override { return {}; }
  QString text(int) const override { return {}; }

 private:
  mutable FilterNameIndex names_;
};

bool compiles(const QString& part) {
  AnyNameBinding binding;
  return FilterExpression::compile(part, binding).has_value();
}

// A number or date value as the field stores it; nullopt when the picture
// cannot read it.
std::optional<QString> storedNumber(const QString& text, const QString& pictureText) {
  const auto picture = Picture::parse(pictureText);
  if (!picture) return std::nullopt;
  switch (picture->kind()) {
    case Picture::Kind::Date: {
      const auto d = picture->deformatDate(text.trimmed());
      if (!d) return std::nullopt;
      return QString::number(d->dayNumber());
    }
    case Picture::Kind::Time: {
      const auto t = picture->deformatTime(text.trimmed());
      if (!t) return std::nullopt;
      return QString::number(t->stored());
    }
    case Picture::Kind::Number:
    case Picture::Kind::Pattern: {
      const auto n = picture->deformatNumber(text);
      if (!n) return std::nullopt;
      return n->toQString();
    }
    case Picture::Kind::Text: break;
  }
  return text;
}

// One comparison "(expression op value)", or nullopt when the value cannot be
// read through the item's picture.
std::optional<QString> comparison(const QueryItem& item, const QString& op, QString value, bool caseInsensitive) {
  QString expression = item.expression;
  if (expression.startsWith(QStringLiteral("UPPER("))) value = value.toUpper();
  if (caseInsensitive || item.caseFlag) {
    value = value.toUpper();
    if (!expression.contains(QStringLiteral("UPPER("))) expression = QStringLiteral("UPPER(") + expression + u')';
  }
  QString written;
  if (item.isText()) {
    written = quoteQueryText(value);
  } else if (op == QStringLiteral("<>") && value.isEmpty()) {
    written = QStringLiteral("0");
  } else {
    const auto stored = storedNumber(value, item.picture);
    if (!stored) return std::nullopt;
    written = *stored;
  }
  return u'(' + expression + u' ' + op + u' ' + written + u')';
}

std::optional<QString> textMatch(const QueryItem& item, const QueryValue& v) {
  QString expression = item.expression;
  bool caseInsensitive = v.caseInsensitive || item.caseFlag;
  if (!item.isText()) {
    expression = QStringLiteral("FORMAT(") + expression + QStringLiteral(",@") + item.picture + u')';
    caseInsensitive = true;
  }
  QString value = v.text;
  if (item.expression.startsWith(QStringLiteral("UPPER("))) value = value.toUpper();
  if (caseInsensitive) {
    value = value.toUpper();
    if (!expression.contains(QStringLiteral("UPPER("))) expression = QStringLiteral("UPPER(") + expression + u')';
  }
  if (v.match == QueryMatch::Contains)
    return QStringLiteral("INSTRING(") + quoteQueryText(value) + u',' + expression + QStringLiteral(",1,1) <> 0");
  return QStringLiteral("SUB(") + expression + QStringLiteral(",1,") + QString::number(value.size()) +
         QStringLiteral(") = ") + quoteQueryText(value);
}

// A range bound: its text may be marked "^" for case, nothing else.
std::optional<QString> bound(const QueryItem& item, const QString& op, QString text) {
  const bool caseInsensitive = text.startsWith(u'^');
  if (caseInsensitive) text.remove(0, 1);
  return comparison(item, op, text, caseInsensitive);
}

QueryFilter failed(const QString& typed) {
  QueryFilter f;
  f.failedItem = 0;
  f.failedValue = typed;
  return f;
}

}  // namespace

QString quoteQueryText(const QString& text) {
  QString doubled = text;
  doubled.replace(u'\'', QStringLiteral("''"));
  return u'\'' + doubled + u'\'';
}

QueryFilter itemFilter(const QueryItem& item) {
  QueryFilter f;
  QStringList parts;
  if (item.isRange()) {
    for (const auto& [op, text] : {std::pair{QStringLiteral(">="), item.low}, std::pair{QStringLiteral("<="), item.high}}) {
      if (text.isEmpty()) continue;
      const auto part = bound(item, op, text);
      if (!part || !compiles(*part)) return failed(text);
      parts << *part;
    }
  } else if (!item.value.isEmpty()) {
    const QueryValue v = readQueryValue(item.value);
    std::optional<QString> part;
    if (v.match == QueryMatch::Compare) part = comparison(item, v.op, v.text, v.caseInsensitive);
    else if (v.text.isEmpty()) return f;
    else part = textMatch(item, v);
    if (!part || !compiles(*part)) return failed(item.value);
    parts << *part;
  }
  f.text = parts.join(QStringLiteral(" AND "));
  return f;
}

QueryFilter queryFilter(const QueryItems& items) {
  QueryFilter whole;
  QStringList parts;
  for (std::size_t i = 0; i < items.size(); ++i) {
    QueryFilter part = itemFilter(items[i]);
    if (!part.ok()) {
      part.failedItem = static_cast<int>(i);
      return part;
    }
    if (!part.text.isEmpty()) parts << part.text;
  }
  whole.text = parts.join(QStringLiteral(" AND "));
  return whole;
}

void reportQueryFailure(ErrorManager& errors, const QueryItems& items, const QueryFilter& failure) {
  if (failure.ok()) return;
  const auto index = static_cast<std::size_t>(failure.failedItem);
  errors.setFieldText(index < items.size() ? items[index].title : QString());
  errors.raiseWithMessage(kQueryValueMessage, failure.failedValue);
}

}  // namespace bv
