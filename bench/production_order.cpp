// Loading a production order from a formula of 32 lines with its costs and
// prices, through the order's entry steps over the files (the formula and its
// lines read, each basic product read for its weight and for its cost, the
// dollar rate of the day, Relacion for component B), against the same values
// worked out with plain Decimal arithmetic on terms already in memory. Prints
// the ratio (aimed at 3 or less).
#include <benchmark/benchmark.h>

#include "bench/ratio_main.h"

#include <QTemporaryDir>
#include <cstdio>

#include "production/produccion/order_cost.h"
#include "production/produccion/order_entry.h"
#include "production/produccion/order_loading.h"
#include "storage/managers/file_managers.h"

namespace {

using namespace bv;
using namespace Qt::StringLiterals;

constexpr int kLines = 32;

Decimal dec(const char* text) { return *Decimal::parse(std::string_view(text)); }

struct Station {
  Station() {
    Clock::fix(Date::fromYmd(2024, 6, 14));
    const QStringList tables = OrderEntry::tables() + QStringList{u"Produc02"_s};
    for (const QString& t : tables) {
      files[t].open();
      files[t].use();
      files[t].file().markForTransaction();
    }
    layer->beginTransaction(2);
    const auto add = [&](const char* table, const std::function<void(Record&)>& fill) {
      Record r(files[QString::fromLatin1(table)].table());
      fill(r);
      files[QString::fromLatin1(table)].file().add(r);
      return r;
    };
    formula = {dec("100"), dec("1.2500"), dec("4"), dec("1")};
    for (int i = 0; i < kLines; ++i) {
      const Record b = add("Basicos", [&](Record& r) {
        r.setText("BAS:CODIGO", u"B%1"_s.arg(i, 3, 10, QChar(u'0')));
        r.setText("BAS:DESCRIPCION", u"Basico numero %1"_s.arg(i));
        r.setDecimal("BAS:COSTO", Decimal(100 + i));
        r.setText("BAS:MONEDA", i % 2 ? u"D"_s : u"P"_s);
        r.setDecimal("BAS:UNIDAD_POR_LATA", 4);
        r.setDecimal("BAS:PESO_ESPECIFICO", dec("1.3500"));
      });
      add("Formula2", [&](Record& r) {
        r.setDecimal("FOR2:CODIGO_FORMULA", 1);
        r.setText("FOR2:CODIGO_BASICO", b.text("BAS:CODIGO"));
        r.setDecimal("FOR2:CANTIDAD", Decimal(1 + i));
      });
      lines.push_back({Decimal(1 + i), dec("1.3500")});
      basics.push_back(basicCostTerms(b));
    }
    add("Formula1", [](Record& r) {
      r.setDecimal("FOR1:CODIGO_FORMULA", 1);
      r.setText("FOR1:CODIGO_TERMINADO", u"T1"_s);
      r.setDecimal("FOR1:CANTIDAD", Decimal(100));
      r.setDecimal("FOR1:PESO_ESPECIFICO", dec("1.2500"));
      r.setDecimal("FOR1:REL1", Decimal(4));
      r.setDecimal("FOR1:REL2", Decimal(1));
    });
    add("Terminado", [](Record& r) {
      r.setText("TER:CODIGO", u"T1"_s);
      r.setDecimal("TER:LINEA", Decimal(5));
      r.setText("TER:SISTEMA", u"M"_s);
    });
    add("Linea", [](Record& r) {
      r.setDecimal("LIN:CODIGO", Decimal(5));
      r.setDecimal("LIN:MARGEN", Decimal(30));
      r.setDecimal("LIN:BONI1", Decimal(10));
    });
    for (auto [litres, letter] : {std::pair{1, "A"}, {4, "B"}, {20, "C"}})
      add("Relacion", [&](Record& r) {
        r.setDecimal("REL:CANTIDAD", Decimal(litres));
        r.setText("REL:CODFINAL", QString::fromLatin1(letter));
      });
    for (int day = 1; day <= 30; ++day)
      add("Dolar", [&](Record& r) {
        r.setDate("DOL:FECHA", Date::fromYmd(2024, 6, day));
        r.setDecimal("DOL:COTIZACION", Decimal(900 + day));
      });
    add("Paramet", [](Record& r) { r.setDecimal("PAR:ALICUOTA_DEL_IVA", Decimal(21)); });
    layer->commit();
    files[u"Linea"_s].buffer().clear();
    files[u"Linea"_s].buffer().setDecimal("LIN:CODIGO", Decimal(5));
    files[u"Linea"_s].tryFetch(files[u"Linea"_s].keyDef(u"LIN:KEYCOD"_s));
  }

  QTemporaryDir dir;
  std::shared_ptr<FileLayer> layer = FileLayer::createSqlite({dir.path(), dir.path()});
  ErrorManager errors;
  FileManagers files{*layer, errors};
  FormulaTerms formula;
  std::vector<FormulaLineTerms> lines;
  std::vector<BasicCostTerms> basics;
};

std::unique_ptr<Station> station;

void BM_OrderEntryOverTheFiles(benchmark::State& state) {
  Record header(station->files[u"Produc01"_s].table());
  header.setDecimal("PRO1:CODIGO", Decimal(1));
  header.setDecimal("PRO1:LINEA", Decimal(5));
  header.setDate("PRO1:FECHA", Date::fromYmd(2024, 6, 14));
  header.setText("PRO1:CODIGO_TERMINADO", u"T1"_s);
  header.setDecimal("PRO1:CANTIDAD", Decimal(20));
  std::vector<ChildLine> lines;
  OrderFigures figures;
  for (auto _ : state) {
    // A fresh entry each time, as each accepted entry of the form makes one.
    OrderEntry entry(station->files, header, lines, figures, [](const QString&, const QString&) {});
    entry.readParameters();
    entry.quantityAccepted();
    if (lines.size() != kLines) state.SkipWithError("the lines were not loaded");
    benchmark::DoNotOptimize(figures.prices.total);
  }
}

// The same loading, costs and prices on terms already in memory.
void BM_PlainDecimalArithmetic(benchmark::State& state) {
  const LineDiscounts discounts{Decimal(10), Decimal(0), Decimal(0)};
  for (auto _ : state) {
    const OrderLoading loaded = loadStandard(station->formula, station->lines, Decimal(20));
    std::vector<OrderCostLine> costLines;
    costLines.reserve(kLines);
    for (int i = 0; i < kLines; ++i)
      costLines.push_back({station->basics[static_cast<std::size_t>(i)], loaded.lines[static_cast<std::size_t>(i)].litres});
    const Decimal cost = orderBasicCost(costLines, std::nullopt, Decimal(914), discounts);
    const OrderPrices prices = orderPrices(cost, Decimal(30), Decimal(21));
    benchmark::DoNotOptimize(prices.total);
  }
}

}  // namespace

BENCHMARK(BM_OrderEntryOverTheFiles)->Unit(benchmark::kMicrosecond)->MinTime(1.0);
BENCHMARK(BM_PlainDecimalArithmetic)->Unit(benchmark::kMicrosecond)->MinTime(1.0);

int main(int argc, char** argv) {
  return bv::bench::runRatioMain(
      argc, argv, {"Files", "Plain", "production order of 32 lines through the files / plain Decimal arithmetic"},
      [] { station = std::make_unique<Station>(); },
      [] {
        station.reset();
        Clock::clear();
      });
}
