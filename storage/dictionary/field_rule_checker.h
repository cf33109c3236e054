#pragma once
// Checks the field rules of a record's table.
//
// A lookup rule reaches the looked-up table through RuleLookup (the storage
// layer): it saves that table's current record, sets the key field from the
// value, fetches, and restores the saved record, so validating one table never
// disturbs the record a window shows of another. Messages go to a RuleReporter
// only when the caller passes one; otherwise the failure is only returned.
#include <QString>
#include <optional>

#include "storage/dictionary/record.h"

namespace bv {

class RuleLookup {
 public:
  virtual ~RuleLookup() = default;
  // The current record buffer of a table (in the caller's execution context).
  virtual Record& record(const TableDef& table) = 0;
  // Fetches into that buffer the record whose key matches the buffer's key
  // fields; false when there is none.
  virtual bool fetch(const TableDef& table, const KeyDef& key) = 0;
};

class RuleReporter {
 public:
  virtual ~RuleReporter() = default;
  // Shows message `messageNumber` with the field's text and the rule's text
  // (%Message); answers the message's level.
  virtual int raise(int messageNumber, const QString& fieldText, const QString& messageText) = 0;
};

struct RuleFailure {
  int field = 0;    // number of the field that failed
  int message = 0;  // 14 not in the looked-up table, 15 not one of the letters
  QString fieldText;
  QString messageText;
};

class FieldRuleChecker {
 public:
  explicit FieldRuleChecker(RuleLookup& lookup) : lookup_(lookup) {}

  // Each answers the first failure, or nothing when the fields pass. With a
  // reporter, the failure's message is raised too. An alias runs its base
  // table's rules in the base buffer, which is restored afterwards.
  std::optional<RuleFailure> validateField(const Record& record, int field,
                                           RuleReporter* reporter = nullptr);
  // Fields from..to in order, stopping at the first that fails.
  std::optional<RuleFailure> validateFields(const Record& record, int from, int to,
                                            RuleReporter* reporter = nullptr);
  // Fields 1 to the table's field count.
  std::optional<RuleFailure> validateRecord(const Record& record, RuleReporter* reporter = nullptr);

 private:
  std::optional<RuleFailure> checkFields(const Record& record, int from, int to);
  bool passes(const FieldRule& rule, const Record& record);

  RuleLookup& lookup_;
};

}  // namespace bv
