#include "shell/browse/locator.h"

#include "runtime/filter/filter_text.h"
#include "shell/field_access.h"
#include "storage/filelayer/file_layer.h"

namespace bv {
namespace {

QString withoutTrailingBlanks(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && text.at(end - 1) == u' ') --end;
  return text.left(end);
}

QString quoted(const QString& text) {
  QString doubled = text;
  doubled.replace(u'\'', QStringLiteral("''"));
  return u'\'' + doubled + u'\'';
}

bool isUpperExpression(const QString& expression) {
  return expression.trimmed().startsWith(QStringLiteral("UPPER("), Qt::CaseInsensitive);
}

}  // namespace

QString locatorExpression(const ListLocator& locator, const FieldDef* field) {
  if (isUpperExpression(locator.field)) return locator.field.trimmed();
  if (field && field->isText()) return QStringLiteral("UPPER(%1)").arg(locator.field);
  return locator.field;
}

QString locatorFilter(const ListLocator& locator, const FieldDef* field, const QString& typed) {
  QString text = withoutTrailingBlanks(typed.left(kLocatorLength));
  if (text.isEmpty()) return {};
  const QString expression = locatorExpression(locator, field);
  if (isUpperExpression(expression)) text = filter_text::upper(text);
  if (locator.kind == LocatorKind::Contains)
    return QStringLiteral("INSTRING(%1,%2,1,1) <> 0").arg(quoted(text), expression);
  return QStringLiteral("SUB(%1,1,%2) = %3").arg(expression).arg(text.size()).arg(quoted(text));
}

bool locatorValues(const ListLocator& locator, const FieldDef& field, const QString& typed, Record& values) {
  const QString text = withoutTrailingBlanks(typed.left(kLocatorLength));
  clearRecord(values, ClearValue::Lowest);
  if (text.trimmed().isEmpty()) return false;
  const Picture picture = pictureFor(locator.picture, &field);
  if (field.isText()) {
    values.setText(field, filter_text::upper(text));
    return true;
  }
  // A text the picture cannot read positions as the field's blank value.
  const std::optional<FieldValue> value = readTyped(text, field, picture);
  if (value) values.setValue(field, *value);
  return true;
}

}  // namespace bv
