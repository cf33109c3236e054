#include "storage/dictionary/field_rule_checker.h"

#include <algorithm>

namespace bv {

std::optional<RuleFailure> FieldRuleChecker::validateField(const Record& record, int field,
                                                           RuleReporter* reporter) {
  return validateFields(record, field, field, reporter);
}

std::optional<RuleFailure> FieldRuleChecker::validateRecord(const Record& record, RuleReporter* reporter) {
  if (!record.isValid()) return std::nullopt;
  return validateFields(record, 1, record.table().fieldCount(), reporter);
}

std::optional<RuleFailure> FieldRuleChecker::validateFields(const Record& record, int from, int to,
                                                            RuleReporter* reporter) {
  if (!record.isValid()) return std::nullopt;
  std::optional<RuleFailure> failure;
  const TableDef& table = record.table();
  if (table.isAlias()) {
    Record& base = lookup_.record(*table.base);
    const Record saved = base;
    base.assignFrom(record);
    failure = checkFields(base, from, to);
    base = saved;
  } else {
    failure = checkFields(record, from, to);
  }
  // Raised once every buffer is back, so the message window shows the records
  // as they were.
  if (failure && reporter) reporter->raise(failure->message, failure->fieldText, failure->messageText);
  return failure;
}

std::optional<RuleFailure> FieldRuleChecker::checkFields(const Record& record, int from, int to) {
  const TableDef& table = record.table();
  from = std::max(from, 1);
  to = std::min(to, table.fieldCount());
  for (int field = from; field <= to; ++field)
    for (const FieldRule& rule : table.rules)
      if (rule.field == field && !passes(rule, record))
        return RuleFailure{field, rule.message, rule.fieldText, rule.messageText};
  return std::nullopt;
}

bool FieldRuleChecker::passes(const FieldRule& rule, const Record& record) {
  if (rule.kind == FieldRule::Kind::List) {
    const QString value = record.text(rule.field);
    return value.size() == 1 && rule.allowed.contains(value);
  }
  Record& target = lookup_.record(*rule.lookupTable);
  const Record saved = target;
  const bool found =
      isStored(target.setValue(rule.lookupKey->components.front(), record.value(rule.field))) &&
      lookup_.fetch(*rule.lookupTable, *rule.lookupKey);
  target = saved;
  return found;
}

}  // namespace bv
