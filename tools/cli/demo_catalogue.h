#pragma once
// The demo data set: an invented paint maker with its product lines, tints and
// bases, finished products and formulas, customers, purchases and production
// orders. It is small, but it reaches every window and process: line 33 (whose
// orders load their formulas directly), two-component lines whose component B
// is coded as the production form builds it ("05-REAC-B", "12-1002-C"), basic
// products of two lines with the same code prefixes ("01ROJO", "07ROJO") so that
// formulas can be copied from one line to another, and at most 22 basic products
// so that the formula spreadsheet has a column for every one.
//
// Quantities are texts in the CSV form ("36.50"); dates are days before today.
#include <vector>

#include "runtime/decimal.h"

namespace bv::cli::demo {

struct Linea {
  int code;
  const char* description;
  const char* boni1;
  const char* boni2;
  const char* boni3;
  const char* margin;
};

struct Coded {  // Carta, Marca, TipoCli, Localidad
  int code;
  const char* description;
};

struct Basico {
  const char* code;
  const char* description;
  const char* weight;  // specific weight
  const char* cost;    // list cost of one can, in the currency below
  int unitsPerCan;     // litres
  char currency;       // 'D' dollars, 'P' pesos
  const char* boni[4];
  const char* margin;
  const char* column;  // spreadsheet column, "" for none
  const char* memo;
};

struct Terminado {
  const char* code;
  const char* description;
  int line;
  int chart;
  int brand;
  const char* margin;
  char system;  // 'M' mezcla, 'E' entintado
  const char* memo;
};

struct FormulaLine {
  const char* basic;
  const char* quantity;
};

struct Formula {
  const char* product;
  const char* remarks;
  std::vector<FormulaLine> lines;
  char modifiable;
  int daysAgo;  // last update
};

struct Relacion {
  int litres;
  const char* finalLetter;
};

struct Cliente {
  int code;
  const char* name;
  const char* address;
  int locality;
  const char* postalCode;
  const char* phones;
  const char* contact;
  const char* email;
  const char* web;
  int type;
  const char* memo;
};

struct Compra {
  const char* type;
  int number;
  int daysAgo;
  const char* remarks;
  std::vector<FormulaLine> lines;  // basic product and quantity received
};

struct Produccion {
  int customer;
  int line;
  const char* product;
  const char* quantity;
  int daysAgo;
  char state;      // 'P' en producción, 'T' terminado
  int labels;      // labels to print, 0 when the order is not marked
};

// Mixing ratio (part A : part B) and the packaging-independent component B of
// the formulas of the two-component lines.
struct TwoComponentLine {
  int line;
  const char* rel1;
  const char* rel2;
  const char* componentB;  // the 4-litre component, shown on the formula
};

const std::vector<Linea>& lineas();
const std::vector<Coded>& cartas();
const std::vector<Coded>& marcas();
const std::vector<Coded>& tiposDeCliente();
const std::vector<Coded>& localidades();
const std::vector<Basico>& basicos();
const std::vector<Terminado>& terminados();
const std::vector<Formula>& formulas();
const std::vector<TwoComponentLine>& twoComponentLines();
const std::vector<Relacion>& relaciones();
const std::vector<Cliente>& clientes();
const std::vector<Compra>& compras();
const std::vector<Produccion>& producciones();

// The dollar rate of the day `daysAgo` days before today (0 to 29): rising
// slowly, always below 1000.
Decimal dollarRate(int daysAgo);
inline constexpr int kDollarDays = 30;

inline constexpr int kDiscountCount = 3;
inline constexpr const char* kVatRate = "21.00";
inline constexpr int kVersion = 1;

}  // namespace bv::cli::demo
