#pragma once
// The tables the cost-sheet tests run over, and a preview answerer that keeps
// the pages the preview was to show.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "runtime/choices.h"
#include "runtime/report/report.h"
#include "runtime/scripted_presenter.h"
#include "storage/errors/standard_messages.h"
#include "storage/managers/file_managers.h"

namespace bv::test {

using namespace Qt::StringLiterals;

inline Decimal d(const char* text) { return *Decimal::parse(std::string_view(text)); }

inline const Date kToday = Date::fromYmd(2024, 6, 14);

// Answers the preview by keeping the pages it was to show, and leaves.
class PreviewReader : public Choices {
 public:
  explicit PreviewReader(const Report*& report) : report_(report) {}
  std::optional<QString> choose(const Choice& choice) override {
    if (choice.id == u"vista-previa"_s && report_) pages = report_->pages();
    ++asked;
    return u"Salir"_s;
  }
  QList<ReportPage> pages;
  int asked = 0;

 private:
  const Report*& report_;
};

// A data directory with three formulas: 7 (two lines, one basic product in
// pesos and one in dollars, a component B), 8 (one line) and 9 (no lines).
class CostSheetTables : public testing::Test {
 protected:
  CostSheetTables() : layer(FileLayer::createSqlite({dir.path(), dir.path()})), files(*layer, errors) {
    errors.loadTable(standardMessageBlock());
    Clock::fix(kToday, Time::fromHms(9, 30, 0));
    basic("B1", "Blanco", "100.00", 'P', 4, "10");
    basic("B2", "Amarillo", "100.00", 'D', 4, "10");
    basic("COMPB", "Endurecedor", "50.00", 'P', 1, "0");
    add("Terminado", {{"TER:CODIGO", u"T1"_s}, {"TER:DESCRIPCION", u"Esmalte Blanco"_s}});
    formula(7, "T1", "Uso general", "COMPB");
    line(7, "B1", "2");
    line(7, "B2", "2");
    formula(8, "T2", "", "");
    line(8, "B1", "5");
    formula(9, "T3", "Sin renglones", "");
  }
  ~CostSheetTables() override { Clock::clear(); }

  void add(const char* table, std::vector<std::pair<const char*, FieldValue>> values) {
    FileManager& m = files[QString::fromLatin1(table)];
    ASSERT_EQ(m.open(), 0);
    m.use();
    Record r(m.table());
    for (const auto& [field, value] : values) r.setValue(field, value);
    EXPECT_EQ(m.file().add(r), 0) << table;
    m.close();
  }
  void basic(const char* code, const char* name, const char* cost, char currency, int units, const char* discount) {
    add("Basicos", {{"BAS:CODIGO", QString::fromLatin1(code)},
                    {"BAS:DESCRIPCION", QString::fromLatin1(name)},
                    {"BAS:COSTO", d(cost)},
                    {"BAS:MONEDA", QString(QChar::fromLatin1(currency))},
                    {"BAS:UNIDAD_POR_LATA", Decimal(units)},
                    {"BAS:BONIFICACION1", d(discount)}});
  }
  void formula(int number, const char* product, const char* remarks, const char* component) {
    add("Formula1", {{"FOR1:CODIGO_FORMULA", Decimal(number)},
                     {"FOR1:CODIGO_TERMINADO", QString::fromLatin1(product)},
                     {"FOR1:OBSERVACIONES", QString::fromUtf8(remarks)},
                     {"FOR1:COMPONENTE_B", QString::fromLatin1(component)},
                     {"FOR1:CANTIDAD", d("4.000")},
                     {"FOR1:PESO_ESPECIFICO", d("1.2500")},
                     {"FOR1:MODIFICABLE", u"S"_s}});
  }
  void line(int number, const char* code, const char* quantity) {
    add("Formula2", {{"FOR2:CODIGO_FORMULA", Decimal(number)},
                     {"FOR2:CODIGO_BASICO", QString::fromLatin1(code)},
                     {"FOR2:CANTIDAD", d(quantity)}});
  }
  void rate(Date date, const char* value) {
    add("Dolar", {{"DOL:FECHA", date}, {"DOL:COTIZACION", d(value)}});
  }

  QTemporaryDir dir;
  ErrorManager errors;
  std::shared_ptr<FileLayer> layer;
  FileManagers files;
  ScriptedPresenter presenter;
  PresenterScope presenterScope{presenter};
};

}  // namespace bv::test
