#pragma once
// The field rules raise their messages through the error manager: the rule's
// field text becomes %Field and its text %Message.
#include "storage/dictionary/field_rule_checker.h"
#include "storage/errors/error_manager.h"

namespace bv {

class ErrorRuleReporter : public RuleReporter {
 public:
  explicit ErrorRuleReporter(ErrorManager& errors) : errors_(errors) {}

  int raise(int messageNumber, const QString& fieldText, const QString& messageText) override {
    errors_.setFieldText(fieldText);
    return errors_.raiseWithMessage(messageNumber, messageText);
  }

 private:
  ErrorManager& errors_;
};

}  // namespace bv
