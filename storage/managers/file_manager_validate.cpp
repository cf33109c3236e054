// Validation of the buffer by the table's field rules.
#include "storage/managers/file_manager.h"

#include "storage/managers/error_rule_reporter.h"

namespace bv {

int FileManager::validateField(int field, bool withMessages) {
  return validateTableField(field, withMessages);
}

int FileManager::validateField(int field) { return validateField(field, false); }

int FileManager::validateTableField(int field, bool withMessages) {
  if (field < 1 || field >= static_cast<int>(ruleFields_.size()) || !ruleFields_[field]) return kLevelBenign;
  FieldRuleChecker checker(lookup_);
  ErrorRuleReporter reporter(errors_);
  if (withMessages) errors_.setFileName(name());
  const auto failure = checker.validateField(buffer(), field, withMessages ? &reporter : nullptr);
  if (!failure) return kLevelBenign;
  // Kept, so that a caller that validated without messages can still show why.
  context().lastError = {failure->message, failure->messageText, failure->fieldText, currentRuntimeError()};
  return kLevelUser;
}

int FileManager::validateFields(int from, int to, bool withMessages) {
  from = std::max(from, 1);
  to = std::min(to, table_.fieldCount());
  for (int field = from; field <= to; ++field)
    if (validateField(field, withMessages) != kLevelBenign) return field;
  return 0;
}

int FileManager::validateRecord(bool withMessages) {
  return validateFields(1, table_.fieldCount(), withMessages);
}

}  // namespace bv
