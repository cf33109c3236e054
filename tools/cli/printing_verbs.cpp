// etiquetas, listado-formulas, listado-terminados: the label sheet and the two
// listings as their windows print them, with the start position, the bounds
// and the sort order taken from the arguments and the pages written to a PDF.
#include <optional>

#include "printing/labels/label_fill.h"
#include "printing/labels/label_report.h"
#include "printing/listings/formula_listing.h"
#include "printing/listings/product_listing.h"
#include "shell/globals.h"
#include "tools/cli/data_session.h"
#include "tools/cli/printing_verbs.h"
#include "tools/cli/report_pdf.h"
#include "tools/cli/verb_arguments.h"

using namespace Qt::StringLiterals;

namespace bv::cli {
namespace {

constexpr int kBoundLength = 10;  // GLO:DESDETERMINADO, GLO:HASTATERMINADO
constexpr int kLargestBound = 999;  // "n3"

// A whole number from `low` to `high`, or nullopt.
std::optional<int> wholeNumber(const QString& text, int low, int high) {
  const auto n = Decimal::parse(text);
  if (!n || n->rounded(0) != *n || *n < Decimal(low) || *n > Decimal(high)) return std::nullopt;
  return static_cast<int>(n->toInteger());
}

std::optional<QString> pdfFile(VerbCall& call, const VerbArguments& args, int& status) {
  if (!args.has(u"--pdf"_s) || args.value(u"--pdf"_s).isEmpty()) {
    status = call.usageError(u"falta --pdf"_s);
    return std::nullopt;
  }
  return args.value(u"--pdf"_s);
}

int labels(VerbCall& call) {
  QString reason;
  const auto args =
      VerbArguments::parse(call.arguments, {{u"--fila"_s}, {u"--columna"_s}, {u"--pdf"_s}}, 0, &reason);
  if (!args) return call.usageError(reason);
  int status = kExitDone;
  const auto file = pdfFile(call, *args, status);
  if (!file) return status;
  if (!args->has(u"--fila"_s) || !args->has(u"--columna"_s)) return call.usageError(u"faltan --fila y --columna"_s);
  const auto row = wholeNumber(args->value(u"--fila"_s), 1, labels::kRows);
  const auto column = wholeNumber(args->value(u"--columna"_s), 1, labels::kColumns);
  if (!row) return call.usageError(u"fila no válida (1 a 8): %1"_s.arg(args->value(u"--fila"_s)));
  if (!column) return call.usageError(u"columna no válida (1 o 2): %1"_s.arg(args->value(u"--columna"_s)));

  DataSession session(call.dataDirectory);
  // As the start window hands the position over.
  glo().FILA = *row;
  glo().COLUMNA = *column;
  const ContextId context = ExecutionContext::current();
  if (LabelFill(session.files(), context).fill({*row, *column}) != kLevelBenign) return kExitFailure;
  LabelReport report(session.files(), context);
  return printToPdf(report, *file);
}

// --desde and --hasta, as the range window takes them into the globals.
bool readCodeBounds(VerbCall& call, const VerbArguments& args, int& status) {
  if (!args.has(u"--desde"_s) || !args.has(u"--hasta"_s)) {
    status = call.usageError(u"faltan --desde y --hasta"_s);
    return false;
  }
  for (const QString& option : {u"--desde"_s, u"--hasta"_s})
    if (args.value(option).size() > kBoundLength) {
      status = call.usageError(u"%1 admite hasta %2 caracteres"_s.arg(option).arg(kBoundLength));
      return false;
    }
  glo().DESDETERMINADO = args.value(u"--desde"_s).leftJustified(kBoundLength);
  glo().HASTATERMINADO = args.value(u"--hasta"_s).leftJustified(kBoundLength);
  return true;
}

int formulaListing(VerbCall& call) {
  QString reason;
  const auto args = VerbArguments::parse(call.arguments, {{u"--desde"_s}, {u"--hasta"_s}, {u"--pdf"_s}}, 0, &reason);
  if (!args) return call.usageError(reason);
  int status = kExitDone;
  const auto file = pdfFile(call, *args, status);
  if (!file) return status;
  if (!readCodeBounds(call, *args, status)) return status;
  DataSession session(call.dataDirectory);
  FormulaListing listing(session.files(), ExecutionContext::current(), ListingBounds::of(glo()));
  return printToPdf(listing, *file);
}

int productListing(VerbCall& call) {
  QString reason;
  const auto args = VerbArguments::parse(call.arguments,
                                         {{u"--desde"_s},
                                          {u"--hasta"_s},
                                          {u"--lineas"_s, 2},
                                          {u"--cartas"_s, 2},
                                          {u"--marcas"_s, 2},
                                          {u"--orden"_s},
                                          {u"--pdf"_s}},
                                         0, &reason);
  if (!args) return call.usageError(reason);
  int status = kExitDone;
  const auto file = pdfFile(call, *args, status);
  if (!file) return status;
  if (!readCodeBounds(call, *args, status)) return status;
  struct Pair {
    QString option;
    Decimal Globals::*low;
    Decimal Globals::*high;
  };
  for (const Pair& p : {Pair{u"--lineas"_s, &Globals::LID, &Globals::LIH},
                        Pair{u"--cartas"_s, &Globals::CAD, &Globals::CAH},
                        Pair{u"--marcas"_s, &Globals::MAD, &Globals::MAH}}) {
    glo().*p.low = 0;
    glo().*p.high = 0;
    if (!args->has(p.option)) continue;
    const QStringList values = args->values(p.option);
    const auto low = wholeNumber(values.value(0), 0, kLargestBound);
    const auto high = wholeNumber(values.value(1), 0, kLargestBound);
    if (!low || !high) return call.usageError(u"%1: límites no válidos (0 a 999)"_s.arg(p.option));
    glo().*p.low = *low;
    glo().*p.high = *high;
  }
  int choice = 1;
  if (args->has(u"--orden"_s)) {
    const auto order = wholeNumber(args->value(u"--orden"_s), 1, 5);
    if (!order) return call.usageError(u"orden no válido (1 a 5): %1"_s.arg(args->value(u"--orden"_s)));
    choice = *order;
  }
  DataSession session(call.dataDirectory);
  ProductListing listing(session.files(), ExecutionContext::current(), ListingBounds::of(glo()),
                         listing::sortField(choice));
  return printToPdf(listing, *file);
}

}  // namespace

Verb labelsVerb() {
  return {
      .name = u"etiquetas"_s,
      .synopsis = u"--fila F --columna C --pdf FILE"_s,
      .summary = u"la hoja de etiquetas de las órdenes de producción marcadas"_s,
      .help = u"Arma la tabla de etiquetas con las órdenes marcadas (PRO1:MARCA = I), tantas\n"
              "etiquetas por orden como PRO1:CANTIDAD_ETIQUETAS (al menos una), desde la fila F\n"
              "(1 a 8) y la columna C (1 o 2) de la hoja, e imprime la hoja en FILE como PDF.\n"
              "Las marcas quedan como estaban. Sin etiquetas que imprimir, el estado es 1.\n"
              "\n"
              "Ejemplo: bravent-cli -d datos etiquetas --fila 3 --columna 2 --pdf etiquetas.pdf"_s,
      .run = labels,
  };
}

Verb formulaListingVerb() {
  return {
      .name = u"listado-formulas"_s,
      .synopsis = u"--desde A --hasta B --pdf FILE"_s,
      .summary = u"el listado de fórmulas de producción"_s,
      .help = u"Imprime el \"Listado de Formulas de Produccion\": las fórmulas de los productos\n"
              "terminados cuyo código va de A a B (hasta 10 caracteres cada uno), por código\n"
              "del producto, en FILE como PDF. Sin fórmulas en el rango, el estado es 1.\n"
              "\n"
              "Ejemplo: bravent-cli -d datos listado-formulas --desde A --hasta ZZZ --pdf f.pdf"_s,
      .run = formulaListing,
  };
}

Verb productListingVerb() {
  return {
      .name = u"listado-terminados"_s,
      .synopsis = u"--desde A --hasta B [--lineas L1 L2] [--cartas C1 C2] [--marcas M1 M2] [--orden 1-5] --pdf FILE"_s,
      .summary = u"el listado de productos terminados"_s,
      .help = u"Imprime el \"Listado de Productos Terminados\": los productos cuyo código va de A\n"
              "a B, con línea, carta y marca entre sus límites (0 0 si no se dan), en FILE como\n"
              "PDF. --orden elige el orden: 1 por código (por omisión), 2 por descripción,\n"
              "3 por línea, 4 por carta de colores, 5 por marca; a igual valor, por código.\n"
              "Sin productos que listar, el estado es 1.\n"
              "\n"
              "Ejemplo: bravent-cli -d datos listado-terminados --desde A --hasta ZZZ \\\n"
              "           --lineas 1 9 --cartas 0 99 --marcas 0 99 --orden 4 --pdf t.pdf"_s,
      .run = productListing,
  };
}

}  // namespace bv::cli
