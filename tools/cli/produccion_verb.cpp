// produccion: a new production order entered as the order form enters it
// (line, product, quantity, then the margin typed over the line's) and saved
// as "&Grabar" saves it; the saved order is written as CSV.
#include "production/produccion/new_order.h"
#include "runtime/message_presenter.h"
#include "tools/cli/column_values.h"
#include "tools/cli/csv_format.h"
#include "tools/cli/data_session.h"
#include "tools/cli/production_verbs.h"
#include "tools/cli/record_writing.h"
#include "tools/cli/verb_arguments.h"

using namespace Qt::StringLiterals;

namespace bv::cli {
namespace {

// A value typed for a field of Produc01, or a usage error's reason.
std::optional<FieldValue> typedValue(const TableDef& table, const char* field, const QString& text, QString& reason) {
  const FieldDef* def = table.field(QString::fromLatin1(field));
  QString why;
  std::optional<FieldValue> value = parseFieldValue(*def, text, &why);
  if (!value) reason = u"%1: %2"_s.arg(QString::fromLatin1(field), why);
  return value;
}

QString money(const Decimal& value) { return QString::fromStdString(value.toString(2)); }

void writeOrder(QTextStream& out, const NewOrderResult& order, const TableDef& lineTable) {
  out << csvRow(headerNames(order.header.table())) << kCsvRowEnd;
  out << csvRow(rowTexts(order.header)) << kCsvRowEnd << kCsvRowEnd;
  out << csvRow(headerNames(lineTable)) << kCsvRowEnd;
  for (const ChildLine& line : order.lines) out << csvRow(rowTexts(line.record)) << kCsvRowEnd;
  out << kCsvRowEnd << csvRow({u"COSTOBASICO"_s, u"PRECIONETOVENTA"_s, u"IVA"_s}) << kCsvRowEnd;
  const OrderFigures& f = order.figures;
  out << csvRow({money(f.basicCost), money(f.prices.net), money(f.prices.vat)}) << kCsvRowEnd;
}

int productionOrder(VerbCall& call) {
  QString reason;
  const auto args = VerbArguments::parse(call.arguments,
                                         {{u"--cliente"_s}, {u"--linea"_s}, {u"--producto"_s}, {u"--cantidad"_s},
                                          {u"--fecha"_s}, {u"--margen"_s}, {u"--estado"_s}},
                                         0, &reason);
  if (!args) return call.usageError(reason);
  for (const QString& required : {u"--cliente"_s, u"--linea"_s, u"--producto"_s, u"--cantidad"_s})
    if (!args->has(required)) return call.usageError(u"falta %1"_s.arg(required));
  const QString state = args->value(u"--estado"_s);
  if (args->has(u"--estado"_s) && state != u"P" && state != u"T")
    return call.usageError(u"estado no válido: %1 (P o T)"_s.arg(state));

  DataSession session(call.dataDirectory);
  const TableDef& table = session.files()[u"Produc01"_s].table();
  OrderEntries entries;
  entries.product = args->value(u"--producto"_s);
  if (entries.product.size() > 13) return call.usageError(u"código de producto de más de 13 caracteres"_s);
  entries.state = state;
  const auto number = [&](const char* field, const QString& option) -> std::optional<Decimal> {
    const auto v = typedValue(table, field, args->value(option), reason);
    if (!v) return std::nullopt;
    return std::get<Decimal>(*v);
  };
  const auto customer = number("PRO1:CLIENTE", u"--cliente"_s);
  if (!customer) return call.usageError(reason);
  const auto line = number("PRO1:LINEA", u"--linea"_s);
  if (!line) return call.usageError(reason);
  const auto quantity = number("PRO1:CANTIDAD", u"--cantidad"_s);
  if (!quantity) return call.usageError(reason);
  entries.customer = *customer;
  entries.line = *line;
  entries.quantity = *quantity;
  if (args->has(u"--fecha"_s)) {
    const auto date = typedValue(table, "PRO1:FECHA", args->value(u"--fecha"_s), reason);
    if (!date || !std::holds_alternative<Date>(*date)) return call.usageError(reason);
    entries.date = std::get<Date>(*date);
  }
  if (args->has(u"--margen"_s)) {
    const auto margin = Decimal::parse(args->value(u"--margen"_s));
    if (!margin) return call.usageError(u"margen no válido: %1"_s.arg(args->value(u"--margen"_s)));
    entries.margin = margin->rounded(2);
  }

  NewOrder order(session.relations());
  const NewOrderResult result =
      order.run(entries, [](const QString& text, const QString& caption) { showMessage(text, caption); });
  if (result.level != kLevelBenign) return exitStatusFor(session.files(), result.level);
  writeOrder(call.out, result, session.files()[u"Produc02"_s].table());
  return kExitDone;
}

}  // namespace

Verb productionOrderVerb() {
  return {
      .name = u"produccion"_s,
      .synopsis = u"--cliente C --linea L --producto T --cantidad Q [--fecha AAAA-MM-DD] [--margen M] [--estado P|T]"_s,
      .summary = u"una nueva orden de producción, cargada y grabada como la ficha de producción"_s,
      .help = u"Carga una nueva orden de producción como la \"Ficha de Produccion\" cuando se\n"
              "ingresan, en ese orden, el cliente, la línea, el producto y la cantidad: las líneas\n"
              "de la fórmula del producto escaladas a la cantidad, el componente B, el costo y el\n"
              "precio de venta a la cotización del dólar de la fecha (hoy si no se da). --margen\n"
              "reemplaza el margen de utilidad de la línea solo para esta orden. La orden se graba\n"
              "con sus líneas en una transacción y se escribe como CSV: la fila de Produc01, una\n"
              "línea vacía, sus filas de Produc02, una línea vacía y los valores de costo\n"
              "(COSTOBASICO,PRECIONETOVENTA,IVA).\n"
              "\n"
              "Ejemplo: bravent-cli -d datos produccion --cliente 1 --linea 5 --producto P1 --cantidad 20"_s,
      .run = productionOrder,
  };
}

}  // namespace bv::cli
