#include "storage/dictionary/field_rule_checker.h"

#include <gtest/gtest.h>

#include <map>

#include "storage/dictionary/dictionary.h"

namespace bv {
namespace {

const TableDef& table(const char* label) { return *Dictionary::instance().table(QString::fromUtf8(label)); }

// Buffers and stored rows per table, found by key values.
class FakeLookup : public RuleLookup {
 public:
  Record& record(const TableDef& t) override {
    auto it = buffers_.find(&t);
    if (it == buffers_.end()) it = buffers_.emplace(&t, Record(t)).first;
    return it->second;
  }
  bool fetch(const TableDef& t, const KeyDef& key) override {
    ++fetches;
    Record& buffer = record(t);
    for (const Record& row : rows_[&t])
      if (row.keyValues(key) == buffer.keyValues(key)) {
        buffer = row;
        return true;
      }
    buffer.clear();
    return false;
  }
  void store(const Record& row) { rows_[&row.table()].push_back(row); }

  int fetches = 0;

 private:
  std::map<const TableDef*, Record> buffers_;
  std::map<const TableDef*, std::vector<Record>> rows_;
};

struct Raised {
  int message;
  QString fieldText, messageText;
};

class FakeReporter : public RuleReporter {
 public:
  int raise(int message, const QString& fieldText, const QString& messageText) override {
    raised.push_back({message, fieldText, messageText});
    return 1;
  }
  std::vector<Raised> raised;
};

class FieldRules : public testing::Test {
 protected:
  FieldRules() {
    Record lin(table("Linea"));
    lin.setDecimal(1, Decimal(5));
    lookup.store(lin);
    Record bas(table("Basicos"));
    bas.setText(1, "B1");
    lookup.store(bas);
    Record ter(table("Terminado"));
    ter.setText(1, "T1");
    lookup.store(ter);
  }

  FakeLookup lookup;
  FakeReporter reporter;
  FieldRuleChecker checker{lookup};
};

// A record of `label` that passes every rule.
Record valid(const char* label) {
  Record r(table(label));
  const QString l = QString::fromUtf8(label);
  if (l == "Basicos" || l == "A_Basicos") r.setText(6, "P");
  if (l == "Terminado") {
    r.setDecimal(3, Decimal(5));
    r.setText(7, "E");
  }
  if (l == "Formula1") r.setText(10, "N");
  if (l == "Formula2" || l == "A_Formula2") r.setText(2, "B1");
  if (l == "Compra2") r.setText(3, "B1");
  if (l == "Produc01") {
    r.setText(4, "T1");
    r.setText(8, "T");
  }
  return r;
}

TEST_F(FieldRules, EveryRuleFailsWithItsMessageAndTexts) {
  struct Case {
    const char* table;
    int field;
    FieldValue bad;
    int message;
    const char* fieldText;
    const char* messageText;
  };
  const Case cases[] = {
      {"Basicos", 6, QStringLiteral("X"), 15, "BAS:Moneda", "'Dolar','Peso'"},
      {"Terminado", 3, Decimal(6), 14, "TER:Linea", "Linea"},
      {"Terminado", 7, QString(), 15, "TER:Sistema", "'Mezcla','Entintado'"},
      {"Formula1", 10, QStringLiteral("s"), 15, "FOR1:Modificable", "'Si','No'"},
      {"Formula2", 2, QStringLiteral("B2"), 14, "FOR2:Codigo_basico", "Basicos"},
      {"Compra2", 3, QStringLiteral("b1"), 14, "COM2:Codigo_Basico", "Basicos"},
      {"Produc01", 4, QStringLiteral("T2"), 14, "PRO1:Codigo_Terminado", "Terminado"},
      {"Produc01", 8, QStringLiteral("X"), 15, "PRO1:Estado", "'En Produccion','Terminado'"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fieldText);
    Record r = valid(c.table);
    ASSERT_FALSE(checker.validateRecord(r)) << "valid record refused";
    ASSERT_TRUE(isStored(r.setValue(c.field, c.bad)));
    const auto failure = checker.validateRecord(r);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->field, c.field);
    EXPECT_EQ(failure->message, c.message);
    EXPECT_EQ(failure->fieldText, QString::fromUtf8(c.fieldText));
    EXPECT_EQ(failure->messageText, QString::fromUtf8(c.messageText));
  }
  EXPECT_TRUE(reporter.raised.empty());
}

TEST_F(FieldRules, ALookupLeavesTheLookedUpRecordAsItWas) {
  Record& shown = lookup.record(table("Basicos"));
  shown.setText(1, "SHOWN");
  shown.setText(2, "what a window shows");
  const Record before = shown;

  Record line = valid("Formula2");
  EXPECT_FALSE(checker.validateField(line, 2));  // found
  EXPECT_EQ(lookup.record(table("Basicos")), before);
  line.setText(2, "NOPE");
  EXPECT_TRUE(checker.validateField(line, 2));  // not found: the fake cleared the buffer
  EXPECT_EQ(lookup.record(table("Basicos")), before);
  EXPECT_EQ(lookup.fetches, 2);
}

TEST_F(FieldRules, MessagesGoToTheReporterOnlyWhenAsked) {
  Record r = valid("Produc01");
  r.setText(8, "");
  EXPECT_TRUE(checker.validateRecord(r));
  EXPECT_TRUE(reporter.raised.empty());
  EXPECT_TRUE(checker.validateRecord(r, &reporter));
  ASSERT_EQ(reporter.raised.size(), 1u);
  EXPECT_EQ(reporter.raised[0].message, 15);
  EXPECT_EQ(reporter.raised[0].fieldText, "PRO1:Estado");
  EXPECT_EQ(reporter.raised[0].messageText, "'En Produccion','Terminado'");
  EXPECT_FALSE(checker.validateRecord(valid("Produc01"), &reporter));
  EXPECT_EQ(reporter.raised.size(), 1u);
}

TEST_F(FieldRules, FieldRangesStopAtTheFirstFailure) {
  Record r = valid("Produc01");
  r.setText(4, "T2");
  r.setText(8, "X");
  EXPECT_EQ(checker.validateRecord(r, &reporter)->field, 4);
  EXPECT_EQ(reporter.raised.size(), 1u);
  EXPECT_EQ(checker.validateFields(r, 5, 12)->field, 8);
  EXPECT_FALSE(checker.validateFields(r, 5, 7));
  EXPECT_FALSE(checker.validateField(r, 1));
  EXPECT_FALSE(checker.validateFields(r, 9, 40));  // past the last field: ignored
  // Tables without rules always pass.
  EXPECT_FALSE(checker.validateRecord(Record(table("Planilla"))));
}

TEST_F(FieldRules, AnAliasRunsItsBaseRulesInTheBaseBuffer) {
  Record& baseBuffer = lookup.record(table("Basicos"));
  baseBuffer.setText(1, "BASE");
  const Record before = baseBuffer;

  Record alias = valid("A_Basicos");
  alias.setText(6, "Q");
  const auto failure = checker.validateRecord(alias);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->fieldText, "BAS:Moneda");
  EXPECT_EQ(lookup.record(table("Basicos")), before);
  alias.setText(6, "D");
  EXPECT_FALSE(checker.validateRecord(alias));

  // A_Formula2's lookup goes to Basicos; both buffers come back as they were.
  Record& f2 = lookup.record(table("Formula2"));
  f2.setText(2, "F2 SHOWN");
  const Record f2Before = f2;
  Record line = valid("A_Formula2");
  line.setText(2, "NOPE");
  EXPECT_EQ(checker.validateRecord(line)->message, 14);
  EXPECT_EQ(lookup.record(table("Formula2")), f2Before);
  EXPECT_EQ(lookup.record(table("Basicos")), before);
}

}  // namespace
}  // namespace bv
