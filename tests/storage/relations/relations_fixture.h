#pragma once
// The file and relation managers of every table over a fresh data directory,
// through a layer that records transaction marks, with a message window that
// answers from a script. Records are added straight to the files, past the
// managers' numbering and rules, so each test states exactly what is stored.
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <iostream>

#include "runtime/halt.h"
#include "runtime/scripted_presenter.h"
#include "tests/support/test_layer.h"
#include "storage/errors/standard_messages.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"
#include "storage/relations/table_guards.h"
#include "tests/storage/relations/recording_layer.h"

namespace bv::test {

inline std::string lines(const QStringList& list) { return list.join(u'\n').toStdString(); }

// Answers like the scripted window, but declines every question once a test has
// shown more boxes than any test means to, so a retry loop cannot run away.
class BoundedPresenter : public ScriptedPresenter {
 public:
  int present(const MessageBox& box) override {
    if (shown().size() >= 100) return kButtonNo;
    return ScriptedPresenter::present(box);
  }
};

class RelationsTest : public testing::Test {
 protected:
  RelationsTest()
      : layer(std::make_shared<RecordingLayer>(makeTestLayer({dir.path(), dir.path()}))),
        files(*layer, errors),
        relations(files),
        scope_(script) {
    errors.loadTable(standardMessageBlock());
    clearRuntimeError();
    for (const auto& m : files.all()) m->open();
  }
  ~RelationsTest() override {
    if (HasFailure())
      for (const MessageBox& box : script.shown())
        std::cerr << "  shown: " << box.title().toStdString() << " / " << box.text().toStdString() << '\n';
    for (const auto& m : files.all()) m->close();
    clearRuntimeError();
  }

  FileManager& file(const char* label) { return files[QString::fromLatin1(label)]; }
  RelationManager& rel(const char* label) { return relations[QString::fromLatin1(label)]; }

  // A record of the table whose option fields hold their first option and whose
  // looked-up fields name the records baseline() stores.
  Record valid(const char* label) {
    const TableDef& t = file(label).table();
    Record r(t);
    for (const FieldDef& f : t.fields)
      if (!f.options.empty()) r.setText(f, f.options.front().value);
    const auto set = [&](const char* field, const FieldValue& v) {
      if (t.field(QString::fromLatin1(field))) r.setValue(QString::fromLatin1(field), v);
    };
    set("TER:LINEA", Decimal(1));
    set("A_TER:LINEA", Decimal(1));
    set("PRO1:CODIGO_TERMINADO", QStringLiteral("T0"));
    set("FOR2:CODIGO_BASICO", QStringLiteral("B0"));
    set("COM2:CODIGO_BASICO", QStringLiteral("B0"));
    return r;
  }
  // Records the rules of valid() look up.
  void baseline() {
    Record lin = valid("Linea");
    lin.setDecimal("LIN:CODIGO", Decimal(1));
    add("Linea", lin);
    Record ter = valid("Terminado");
    ter.setText("TER:CODIGO", "T0");
    add("Terminado", ter);
    Record bas = valid("Basicos");
    bas.setText("BAS:CODIGO", "B0");
    add("Basicos", bas);
  }

  RecordPosition add(const char* label, const Record& record) {
    FileManager& m = file(label);
    EXPECT_EQ(m.use(), 0);
    EXPECT_EQ(m.file().add(record), kFileOk) << label;
    return m.file().position();
  }
  // Makes the stored record at `position` current in the table's buffer.
  void current(const char* label, RecordPosition position) { ASSERT_EQ(file(label).reget(position), 0) << label; }
  bool exists(const char* label, RecordPosition position) {
    Record r(file(label).table());
    return readStoredRecord(file(label), position, r) == kFileOk;
  }
  Record stored(const char* label, RecordPosition position) {
    Record r(file(label).table());
    EXPECT_EQ(readStoredRecord(file(label), position, r), kFileOk) << label;
    return r;
  }
  qint64 count(const char* label) { return file(label).file().recordCount(); }

  // The titles of the boxes shown, joined by " | ".
  std::string titles() const {
    QStringList out;
    for (const MessageBox& box : script.shown()) out << box.title();
    return out.join(QStringLiteral(" | ")).toStdString();
  }

  QTemporaryDir dir;
  ErrorManager errors;
  BoundedPresenter script;
  HaltRecorder halts;
  std::shared_ptr<RecordingLayer> layer;
  FileManagers files;
  RelationManagers relations;

 private:
  PresenterScope scope_;
};

}  // namespace bv::test
