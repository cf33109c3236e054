#pragma once
// The file managers of every table over a fresh data directory, with the
// message window and the choices answered from a script, and a few formulas
// written straight into the files (no rules checked, so that tests can hold
// what the windows would refuse: a line of a basic product that is gone).
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include <iostream>

#include "runtime/choices.h"
#include "runtime/halt.h"
#include "runtime/scripted_presenter.h"
#include "storage/errors/error_manager.h"
#include "storage/managers/file_managers.h"
#include "tests/support/stored_records.h"
#include "storage/relations/relation_managers.h"

namespace bv::test {

inline Decimal dec(const char* text) { return *Decimal::parse(std::string_view(text)); }

inline QStringList linesOf(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

class ExchangeTest : public testing::Test {
 protected:
  ExchangeTest()
      : layer(FileLayer::createSqlite({dir.path(), dir.path()})),
        files(*layer, ErrorManager::instance()),
        messagesScope(messages),
        choicesScope(choices) {
    clearRuntimeError();
  }
  ~ExchangeTest() override {
    if (HasFailure())
      for (const MessageBox& box : messages.shown())
        std::cerr << "  shown: " << box.title().toStdString() << " / " << box.text().toStdString()
                  << '\n';
    clearRuntimeError();
  }

  QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
  QString ini() const { return path(QStringLiteral("bravent.INI")); }

  // Writes one record straight into the table's file.
  void put(const char* table, const std::function<void(Record&)>& fill) { putRecord(files, table, fill); }
  void basic(const char* code) {
    put("Basicos", [&](Record& r) { r.setText("BAS:CODIGO", QString::fromLatin1(code)); });
  }
  void product(const char* code, const QString& description) {
    put("Terminado", [&](Record& r) {
      r.setText("TER:CODIGO", QString::fromLatin1(code));
      r.setText("TER:DESCRIPCION", description);
    });
  }
  void formula(int number, const char* product, const char* weight) {
    put("Formula1", [&](Record& r) {
      r.setDecimal("FOR1:CODIGO_FORMULA", Decimal(number));
      r.setText("FOR1:CODIGO_TERMINADO", QString::fromLatin1(product));
      r.setDecimal("FOR1:PESO_ESPECIFICO", dec(weight));
    });
  }
  void line(int number, const char* basicCode, const char* quantity) {
    put("Formula2", [&](Record& r) {
      r.setDecimal("FOR2:CODIGO_FORMULA", Decimal(number));
      r.setText("FOR2:CODIGO_BASICO", QString::fromLatin1(basicCode));
      r.setDecimal("FOR2:CANTIDAD", dec(quantity));
    });
  }
  // Three basic products given out of code order, three formulas: one without
  // lines, one of a missing finished product with a line of a missing basic.
  void sampleFormulas() {
    basic("B3");
    basic("B1");
    basic("B2");
    product("T1", QString(50, u'D'));
    product("T2", QStringLiteral("Azul"));
    formula(1, "T2", "1.2345");
    line(1, "B3", "2.5");
    line(1, "B1", "1");
    formula(2, "T1", "1.1");
    formula(3, "T9", "0.9");
    line(3, "B2", "0.5");
    line(3, "ZZ", "3");
  }

  // The Planilla rows in record order.
  std::vector<Record> sheet() { return rows("Planilla"); }

  // A table's records in file order.
  std::vector<Record> rows(const char* table) { return storedRecords(files, table); }

  QTemporaryDir dir;
  std::shared_ptr<FileLayer> layer;
  FileManagers files;
  RelationManagers relations{files};
  ScriptedPresenter messages;
  ScriptedChoices choices;
  HaltRecorder halts;

 private:
  PresenterScope messagesScope;
  ChoicesScope choicesScope;
};

}  // namespace bv::test
