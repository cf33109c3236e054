#pragma once
// The tables of the production-order tests: a customer, line 5 with a margin
// of 30 and line 33, product P1 whose formula of 100 kg at 1.2500 with a
// mixing ratio of 4 to 1 holds 50 of B3, product P2 without formula, the
// quantities of Relacion (1 A, 4 B, 20 C) and a VAT rate of 21.
//
// An order of 20 litres of P1 on line 5 loads 10000 grams (6.25 litres) of B3,
// whose cost of 64.00 over 4 units per can makes 16.00 a litre: 100.00.
#include "tests/shell/browse/list_fixture.h"

namespace bv::test {

using namespace Qt::StringLiterals;

inline Decimal dec(const char* text) { return *Decimal::parse(QString::fromLatin1(text)); }

class OrderTables : public ListTest {
 protected:
  OrderTables() {
    add("Clientes", [](Record& r) {
      r.setDecimal("CLI:CODIGO", Decimal(1));
      r.setText("CLI:NOMBRE", u"Pinturería del Sur"_s);
    });
    for (auto [code, name] : {std::pair{5, "Poliuretanos"}, {33, "Directa"}})
      add("Linea", [&](Record& r) {
        r.setDecimal("LIN:CODIGO", Decimal(code));
        r.setText("LIN:DESCRIPCION", QString::fromLatin1(name));
        r.setDecimal("LIN:MARGEN", Decimal(30));
      });
    product("P1", "Esmalte PU blanco", 5);
    product("P2", "Esmalte sin formula", 5);
    product("Q7", "Barniz de otra linea", 33);
    add("Formula1", [](Record& r) {
      r.setDecimal("FOR1:CODIGO_FORMULA", Decimal(20));
      r.setText("FOR1:CODIGO_TERMINADO", u"P1"_s);
      r.setDecimal("FOR1:CANTIDAD", Decimal(100));
      r.setDecimal("FOR1:PESO_ESPECIFICO", dec("1.2500"));
      r.setDecimal("FOR1:REL1", Decimal(4));
      r.setDecimal("FOR1:REL2", Decimal(1));
      r.setText("FOR1:MODIFICABLE", u"S"_s);
    });
    add("Formula2", [](Record& r) {
      r.setDecimal("FOR2:CODIGO_FORMULA", Decimal(20));
      r.setText("FOR2:CODIGO_BASICO", u"B3"_s);
      r.setDecimal("FOR2:CANTIDAD", Decimal(50));
    });
    add("Basicos", [](Record& r) {
      r.setText("BAS:CODIGO", u"B3"_s);
      r.setText("BAS:DESCRIPCION", u"Resina"_s);
      r.setDecimal("BAS:COSTO", Decimal(64));
      r.setText("BAS:MONEDA", u"P"_s);
      r.setDecimal("BAS:UNIDAD_POR_LATA", Decimal(4));
      r.setDecimal("BAS:PESO_ESPECIFICO", dec("1.6"));
    });
    add("A_Basicos", [](Record& r) {
      r.setText("A_BAS:CODIGO", u"05-REAC-C"_s);
      r.setText("A_BAS:DESCRIPCION", u"Endurecedor"_s);
    });
    for (auto [litres, letter] : {std::pair{1, "A"}, {4, "B"}, {20, "C"}})
      add("Relacion", [&](Record& r) {
        r.setDecimal("REL:CANTIDAD", Decimal(litres));
        r.setText("REL:CODFINAL", QString::fromLatin1(letter));
      });
    add("Paramet", [](Record& r) { r.setDecimal("PAR:ALICUOTA_DEL_IVA", Decimal(21)); });
  }

  void product(const char* code, const char* name, int line) {
    add("Terminado", [&](Record& r) {
      r.setText("TER:CODIGO", QString::fromLatin1(code));
      r.setText("TER:DESCRIPCION", QString::fromLatin1(name));
      r.setDecimal("TER:LINEA", Decimal(line));
      r.setText("TER:SISTEMA", u"M"_s);
    });
  }
  // The stored rows of a table, each as "FIELD=value ..." of the named fields.
  QStringList storedRows(const char* table, const char* key, std::initializer_list<const char*> fields) {
    auto handle = layer->file(*Dictionary::instance().table(QString::fromLatin1(table)));
    handle->open(kShareDenyNone);
    handle->setPosition(handle->table().key(QString::fromLatin1(key)), FileEdge::Start);
    QStringList out;
    Record r(handle->table());
    while (handle->next(r) == kFileOk) {
      QStringList values;
      for (const char* f : fields) {
        const FieldValue v = r.value(QString::fromLatin1(f));
        if (const auto* n = std::get_if<Decimal>(&v))
          values << n->toQString();
        else if (const auto* t = std::get_if<QString>(&v))
          values << t->trimmed();
        else
          values << std::get<Date>(v).toIso();
      }
      out << values.join(u' ');
    }
    return out;
  }
};

}  // namespace bv::test
