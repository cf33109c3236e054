#pragma once
// A record of the tables filters run over, bound the way a view binds it, and
// a helper that compiles and tests an expression against it.
#include <gtest/gtest.h>

#include "runtime/date_time.h"
#include "runtime/filter/filter_expression.h"

namespace bv::test {

inline Decimal dec(const char* s) { return *Decimal::parse(std::string_view(s)); }

class FilterTest : public ::testing::Test {
 protected:
  FilterTest() {
    binding.bindText("BAS:DESCRIPCION", [this] { return descripcion; });
    binding.bindText("BAS:CODIGO", [this] { return codigo; });
    binding.bindText("CLI:NOMBRE", [this] { return nombre; });
    binding.bindNumber("TER:Linea", [this] { return linea; });
    binding.bindNumber("TER:Carta", [this] { return carta; });
    binding.bindNumber("TER:Marca", [this] { return marca; });
    binding.bindNumber("TER:Precio", [this] { return precio; });
    binding.bindNumber("TER:Fecha", [this] { return Decimal(fecha.dayNumber()); });
    binding.bindNumber("CostoNeto", [this] { return precio * Decimal(2); });
    for (const char* g : {"Glo:Linea", "Glo:LID", "Glo:LIH", "Glo:CAD", "Glo:CAH", "Glo:MAD", "Glo:MAH"})
      binding.bindNumber(g, [this, g] { return globals.value(g); });
  }

  // Whether the current record passes; fails the test when the text is refused.
  bool passes(const QString& expression) {
    QString reason;
    const auto filter = FilterExpression::compile(expression, binding, &reason);
    EXPECT_TRUE(filter) << expression.toStdString() << ": " << reason.toStdString();
    return filter && filter->evaluate(binding);
  }

  // The reason a text is refused, empty when it is accepted.
  QString refusal(const QString& expression) {
    QString reason;
    if (FilterExpression::compile(expression, binding, &reason)) return QString();
    EXPECT_FALSE(reason.isEmpty()) << expression.toStdString();
    return reason;
  }

  FilterFunctionBinding binding;
  QString descripcion = "ROJO MEDIO", codigo = "0012", nombre = "PEREZ";
  Decimal linea = 3, carta = 7, marca = 2, precio = dec("1234.50");
  Date fecha = Date::fromYmd(2024, 3, 5);
  QHash<QString, Decimal> globals;
};

}  // namespace bv::test
