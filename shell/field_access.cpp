#include "shell/field_access.h"

#include "shell/values/global_values.h"
#include "storage/dictionary/dictionary.h"
#include "storage/errors/error_manager.h"
#include "storage/managers/file_managers.h"

#include <algorithm>

namespace bv {

std::optional<BoundField> BoundField::resolve(FileManagers& files, const QString& label) {
  const FieldLocation at = Dictionary::instance().field(label);
  if (!at) return std::nullopt;
  FileManager* file = files.find(at.table->label);
  if (!file) return std::nullopt;
  return BoundField(*file, *at.field);
}

std::optional<BoundField> BoundField::resolve(FileManagers& files, const QString& label, ValueStore* working) {
  // Working values and globals report through the program's one error manager.
  ErrorManager& errors = files.all().front()->errors();
  if (working)
    if (const FieldDef* def = working->find(label)) return BoundField(*working, *def, errors);
  if (auto field = resolve(files, label)) return field;
  GlobalValues& globals = GlobalValues::instance();
  if (const FieldDef* def = globals.find(label)) return BoundField(globals, *def, errors);
  return std::nullopt;
}

FieldValue BoundField::value() const { return file_ ? file_->buffer().value(*def_) : store_->value(*def_); }

int BoundField::assign(const FieldValue& value, bool withMessages) const {
  if (file_) return file_->assign(*def_, value, 1, withMessages);
  const SetResult result = store_->set(*def_, value);
  if (isStored(result)) return kLevelBenign;
  if (result == SetResult::TooLarge && withMessages) {
    // Refused, never cut: the message names the value's limit on that side.
    const auto* d = std::get_if<Decimal>(&value);
    const bool below = d && d->isNegative();
    constexpr int kMsgTooLarge = 17;
    constexpr int kMsgTooSmall = 18;
    errors_->setFieldText(def_->messageText);
    return errors_->raiseWithMessage(below ? kMsgTooSmall : kMsgTooLarge,
                                     below ? (-def_->largest()).toQString(def_->places) : def_->largestText());
  }
  return kLevelUser;
}

Picture pictureFor(const QString& picture, const FieldDef* field) {
  const QString given = !picture.isEmpty() ? picture : field ? field->picture : QString();
  if (!given.isEmpty())
    if (auto parsed = Picture::parse(given)) return *parsed;
  // A plain text picture as wide as the field (pictures go to 255 characters).
  const int width = std::clamp(field && field->length > 0 ? field->length : 20, 1, 255);
  if (auto plain = Picture::parse(QStringLiteral("s%1").arg(width))) return *plain;
  return *Picture::parse(QStringLiteral("s20"));
}

QString formatValue(const FieldValue& value, const Picture& picture) {
  if (const auto* text = std::get_if<QString>(&value)) return picture.format(*text);
  if (const auto* number = std::get_if<Decimal>(&value)) return picture.format(*number);
  return picture.format(std::get<Date>(value));
}

QString entryText(const FieldValue& value, const Picture& picture) {
  const QString shown = formatValue(value, picture);
  if (picture.kind() == Picture::Kind::Text) {
    qsizetype end = shown.size();
    while (end > 0 && shown.at(end - 1) == u' ') --end;
    return shown.left(end);
  }
  return shown.trimmed();
}

std::optional<FieldValue> readTyped(const QString& typed, const FieldDef& field, const Picture& picture) {
  switch (field.type) {
    case FieldType::String:
    case FieldType::Memo:
      return FieldValue(picture.kind() == Picture::Kind::Text ? picture.deformatText(typed) : typed);
    case FieldType::Decimal:
      if (auto n = picture.deformatNumber(typed)) return FieldValue(n->rounded(field.places));
      return std::nullopt;
    case FieldType::Date: {
      if (picture.kind() != Picture::Kind::Date) {
        const auto n = picture.deformatNumber(typed);
        if (!n) return std::nullopt;
        return FieldValue(Date(static_cast<std::int32_t>(n->toInteger())));
      }
      if (auto d = picture.deformatDate(typed)) return FieldValue(*d);
      return std::nullopt;
    }
  }
  return std::nullopt;
}

bool isEmptyValue(const FieldValue& value) {
  if (const auto* text = std::get_if<QString>(&value)) return text->trimmed().isEmpty();
  if (const auto* number = std::get_if<Decimal>(&value)) return number->isZero();
  return std::get<Date>(value).isNull();
}

}  // namespace bv
