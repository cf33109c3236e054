#include "tools/cli/demo_catalogue.h"

namespace bv::cli::demo {

const std::vector<Linea>& lineas() {
  static const std::vector<Linea> rows = {
      {1, "Látex Interior", "10.00", "5.00", "0.00", "35.00"},
      {2, "Látex Exterior", "10.00", "0.00", "0.00", "38.00"},
      {3, "Esmalte Sintético", "8.00", "3.00", "0.00", "40.00"},
      {5, "Epoxi Bicomponente", "5.00", "0.00", "0.00", "45.00"},
      {7, "Látex Económico", "12.00", "5.00", "2.00", "30.00"},
      {12, "Poliuretano Bicomponente", "5.00", "2.00", "0.00", "50.00"},
      {20, "Impregnante para Maderas", "7.00", "0.00", "0.00", "36.00"},
      {33, "Entonadores Universales", "0.00", "0.00", "0.00", "60.00"},
  };
  return rows;
}

const std::vector<Coded>& cartas() {
  static const std::vector<Coded> rows = {
      {1, "Carta de Colores Interiores"},
      {2, "Carta de Colores Exteriores"},
      {3, "Carta de Esmaltes Brillantes"},
      {4, "Carta Industrial RAL"},
      {5, "Carta de Tonos para Maderas"},
  };
  return rows;
}

const std::vector<Coded>& marcas() {
  static const std::vector<Coded> rows = {
      {1, "Cromalia"},
      {2, "Tintoral"},
      {3, "Duranda Industrial"},
      {4, "Lignova"},
  };
  return rows;
}

const std::vector<Coded>& tiposDeCliente() {
  static const std::vector<Coded> rows = {
      {1, "Pinturería Minorista"},
      {2, "Distribuidor Mayorista"},
      {3, "Empresa Constructora"},
      {4, "Industria"},
      {5, "Consumidor Final"},
  };
  return rows;
}

const std::vector<Coded>& localidades() {
  static const std::vector<Coded> rows = {
      {1, "Rosario"}, {2, "Córdoba"}, {3, "Mendoza"}, {4, "La Plata"}, {5, "Santa Fe"}, {6, "Mar del Plata"},
  };
  return rows;
}

// Tints and bases of line 01 in dollars and their cheaper counterparts of line
// 07 in pesos, with the same names after the prefix; the bases of the
// two-component and wood lines; and the component B of each two-component line
// in its three sizes.
const std::vector<Basico>& basicos() {
  static const std::vector<Basico> rows = {
      {"01AMARILLO", "Entonador Amarillo Óxido", "1.6500", "42.80", 4, 'D', {"10.00", "5.00", "0.00", "0.00"}, "30.00", "G", ""},
      {"01AZUL", "Entonador Azul Ftalocianina", "1.3200", "48.90", 4, 'D', {"10.00", "5.00", "0.00", "0.00"}, "30.00", "H", ""},
      {"01BLANCO", "Pasta Base Blanca", "1.4800", "36.50", 20, 'D', {"12.00", "0.00", "0.00", "0.00"}, "25.00", "D",
       "Dióxido de titanio rutilo en dispersión acuosa.\nRendimiento: 10 a 12 m² por litro, según la superficie."},
      {"01NEGRO", "Entonador Negro Humo", "1.2200", "39.70", 4, 'D', {"10.00", "5.00", "0.00", "0.00"}, "30.00", "E", ""},
      {"01ROJO", "Entonador Rojo Óxido", "1.7000", "44.10", 4, 'D', {"10.00", "5.00", "0.00", "0.00"}, "30.00", "F", ""},
      {"01VERDE", "Entonador Verde Ftalocianina", "1.3500", "51.20", 4, 'D', {"10.00", "5.00", "0.00", "0.00"}, "30.00", "I", ""},
      {"05-REAC-A", "Reactivo Epoxi (Parte B) para 1 litro", "0.9800", "9.80", 1, 'D', {"5.00", "0.00", "0.00", "0.00"}, "40.00", "", ""},
      {"05-REAC-B", "Reactivo Epoxi (Parte B) para 4 litros", "0.9800", "35.60", 4, 'D', {"5.00", "0.00", "0.00", "0.00"}, "40.00", "", ""},
      {"05-REAC-C", "Reactivo Epoxi (Parte B) para 20 litros", "0.9800", "162.00", 20, 'D', {"5.00", "0.00", "0.00", "0.00"}, "40.00", "", ""},
      {"07AMARILLO", "Entonador Amarillo Económico", "1.6200", "32900.00", 4, 'P', {"0.00", "0.00", "0.00", "0.00"}, "28.00", "M", ""},
      {"07AZUL", "Entonador Azul Económico", "1.3000", "37400.00", 4, 'P', {"0.00", "0.00", "0.00", "0.00"}, "28.00", "N", ""},
      {"07BLANCO", "Pasta Base Blanca Económica", "1.4500", "29500.00", 20, 'P', {"3.00", "0.00", "0.00", "0.00"}, "22.00", "J", ""},
      {"07NEGRO", "Entonador Negro Económico", "1.2000", "31200.00", 4, 'P', {"0.00", "0.00", "0.00", "0.00"}, "28.00", "K", ""},
      {"07ROJO", "Entonador Rojo Económico", "1.6800", "33800.00", 4, 'P', {"0.00", "0.00", "0.00", "0.00"}, "28.00", "L", ""},
      {"07VERDE", "Entonador Verde Económico", "1.3300", "38900.00", 4, 'P', {"0.00", "0.00", "0.00", "0.00"}, "28.00", "O", ""},
      {"12-1002-A", "Catalizador Poliuretano (Parte B) para 1 litro", "1.0500", "11.40", 1, 'D', {"5.00", "2.00", "0.00", "0.00"}, "40.00", "", ""},
      {"12-1002-B", "Catalizador Poliuretano (Parte B) para 4 litros", "1.0500", "41.90", 4, 'D', {"5.00", "2.00", "0.00", "0.00"}, "40.00", "", ""},
      {"12-1002-C", "Catalizador Poliuretano (Parte B) para 20 litros", "1.0500", "189.00", 20, 'D', {"5.00", "2.00", "0.00", "0.00"}, "40.00", "", ""},
      {"EP-BASE", "Base Epoxi Bicomponente (Parte A)", "1.5500", "62.00", 4, 'D', {"8.00", "0.00", "0.00", "0.00"}, "35.00", "P",
       "Mezclar con el reactivo en relación 4 a 1, en volumen.\nVida útil de la mezcla: 6 horas a 25 °C."},
      {"IMP-BASE", "Base Impregnante Incolora", "0.8800", "18600.00", 4, 'P', {"0.00", "0.00", "0.00", "0.00"}, "30.00", "R", ""},
      {"PU-BASE", "Base Poliuretano Bicomponente (Parte A)", "1.3000", "71.50", 4, 'D', {"8.00", "2.00", "0.00", "0.00"}, "35.00", "Q",
       "Relación de mezcla 3 a 1 con el catalizador \"1002\"."},
  };
  return rows;
}

const std::vector<Terminado>& terminados() {
  static const std::vector<Terminado> rows = {
      // Line 1: interior latex.
      {"01BLANCO", "Látex Interior Mate Blanco", 1, 1, 1, "35.00", 'M',
       "Lavable, bajo olor.\nSecado al tacto: 1 hora; repintado: 4 horas."},
      {"01MARFIL", "Látex Interior Mate Marfil", 1, 1, 1, "35.00", 'M', ""},
      {"01CREMA", "Látex Interior Mate Crema", 1, 1, 1, "35.00", 'M', ""},
      {"01ARENA", "Látex Interior Mate Arena", 1, 1, 1, "35.00", 'M', ""},
      {"01DURAZNO", "Látex Interior Mate Durazno", 1, 1, 1, "35.00", 'M', ""},
      {"01CELESTE", "Látex Interior Mate Celeste", 1, 1, 1, "35.00", 'M', ""},
      {"01VERDEAGUA", "Látex Interior Mate Verde Agua", 1, 1, 1, "35.00", 'M', ""},
      {"01GRISPERLA", "Látex Interior Mate Gris Perla", 1, 1, 1, "35.00", 'M', ""},
      {"01TERRACOTA", "Látex Interior Mate Terracota", 1, 1, 1, "37.00", 'E', ""},
      {"01MANTECA", "Látex Interior Mate Manteca", 1, 1, 1, "35.00", 'M', ""},
      {"01LAVANDA", "Látex Interior Mate Lavanda", 1, 1, 1, "37.00", 'E', ""},
      // Line 7: the economy latex, a few counterparts of line 1 so far.
      {"07BLANCO", "Látex Económico Blanco", 7, 1, 2, "30.00", 'M', ""},
      {"07MARFIL", "Látex Económico Marfil", 7, 1, 2, "30.00", 'M', ""},
      {"07CREMA", "Látex Económico Crema", 7, 1, 2, "30.00", 'M', ""},
      // Line 2: exterior latex.
      {"02BLANCO", "Látex Exterior Blanco", 2, 2, 1, "38.00", 'M', "Resistente a la intemperie y a los hongos."},
      {"02GRISCEMENTO", "Látex Exterior Gris Cemento", 2, 2, 1, "38.00", 'M', ""},
      {"02TEJA", "Látex Exterior Teja", 2, 2, 1, "38.00", 'M', ""},
      {"02ARENA", "Látex Exterior Arena", 2, 2, 1, "38.00", 'M', ""},
      {"02OCRE", "Látex Exterior Ocre", 2, 2, 2, "38.00", 'M', ""},
      {"02VERDEINGLES", "Látex Exterior Verde Inglés", 2, 2, 2, "40.00", 'E', ""},
      {"02AZULMARINO", "Látex Exterior Azul Marino", 2, 2, 2, "40.00", 'E', ""},
      {"02PIEDRA", "Látex Exterior Piedra", 2, 2, 1, "38.00", 'M', ""},
      {"02CELESTE", "Látex Exterior Celeste", 2, 2, 1, "38.00", 'M', ""},
      {"02VERDEMUSGO", "Látex Exterior Verde Musgo", 2, 2, 2, "40.00", 'E', ""},
      // Line 3: synthetic enamel.
      {"03BLANCO", "Esmalte Sintético Brillante Blanco", 3, 3, 2, "40.00", 'E', ""},
      {"03NEGRO", "Esmalte Sintético Brillante Negro", 3, 3, 2, "40.00", 'E', ""},
      {"03ROJO", "Esmalte Sintético Brillante Rojo", 3, 3, 2, "40.00", 'E', ""},
      {"03AMARILLO", "Esmalte Sintético Brillante Amarillo", 3, 3, 2, "40.00", 'E', ""},
      {"03AZULFRANCIA", "Esmalte Sintético Brillante Azul Francia", 3, 3, 2, "40.00", 'E', ""},
      {"03VERDEINGLES", "Esmalte Sintético Brillante Verde Inglés", 3, 3, 2, "40.00", 'E', ""},
      {"03GRISPERLA", "Esmalte Sintético Brillante Gris Perla", 3, 3, 2, "40.00", 'E', ""},
      {"03MARRON", "Esmalte Sintético Brillante Marrón", 3, 3, 2, "40.00", 'E', ""},
      {"03NARANJA", "Esmalte Sintético Brillante Naranja", 3, 3, 2, "40.00", 'E', ""},
      {"03BERMELLON", "Esmalte Sintético Brillante Bermellón", 3, 3, 2, "42.00", 'E', ""},
      {"03CREMA", "Esmalte Sintético Brillante Crema", 3, 3, 2, "40.00", 'E', ""},
      // Line 5: two-component epoxy, mixed.
      {"05RAL9010", "Epoxi Bicomponente RAL 9010 Blanco Puro", 5, 4, 3, "45.00", 'M',
       "Para pisos industriales y tanques.\nAplicar sobre superficie seca, libre de grasa."},
      {"05RAL7035", "Epoxi Bicomponente RAL 7035 Gris Luminoso", 5, 4, 3, "45.00", 'M', ""},
      {"05RAL1023", "Epoxi Bicomponente RAL 1023 Amarillo Tráfico", 5, 4, 3, "45.00", 'M', ""},
      {"05RAL3020", "Epoxi Bicomponente RAL 3020 Rojo Tráfico", 5, 4, 3, "45.00", 'M', ""},
      {"05RAL5015", "Epoxi Bicomponente RAL 5015 Azul Cielo", 5, 4, 3, "45.00", 'M', ""},
      {"05RAL6018", "Epoxi Bicomponente RAL 6018 Verde Amarillento", 5, 4, 3, "45.00", 'M', ""},
      // Line 12: two-component polyurethane, tinted.
      {"12RAL9010", "Poliuretano Bicomponente RAL 9010 Blanco Puro", 12, 4, 3, "50.00", 'E', ""},
      {"12RAL9005", "Poliuretano Bicomponente RAL 9005 Negro Intenso", 12, 4, 3, "50.00", 'E', ""},
      {"12RAL7035", "Poliuretano Bicomponente RAL 7035 Gris Luminoso", 12, 4, 3, "50.00", 'E', ""},
      {"12RAL3000", "Poliuretano Bicomponente RAL 3000 Rojo Vivo", 12, 4, 3, "50.00", 'E', ""},
      {"12RAL5010", "Poliuretano Bicomponente RAL 5010 Azul Genciana", 12, 4, 3, "50.00", 'E', ""},
      {"12RAL1021", "Poliuretano Bicomponente RAL 1021 Amarillo Colza", 12, 4, 3, "50.00", 'E', ""},
      // Line 20: wood stains.
      {"20NATURAL", "Impregnante para Maderas Natural", 20, 5, 4, "36.00", 'E', "Con filtro solar, para exteriores."},
      {"20CEDRO", "Impregnante para Maderas Cedro", 20, 5, 4, "36.00", 'E', ""},
      {"20ROBLE", "Impregnante para Maderas Roble", 20, 5, 4, "36.00", 'E', ""},
      {"20NOGAL", "Impregnante para Maderas Nogal", 20, 5, 4, "36.00", 'E', ""},
      {"20CAOBA", "Impregnante para Maderas Caoba", 20, 5, 4, "36.00", 'E', ""},
      {"20WENGUE", "Impregnante para Maderas Wengué", 20, 5, 4, "36.00", 'E', ""},
      {"20PINOTEA", "Impregnante para Maderas Pinotea", 20, 5, 4, "36.00", 'E', ""},
      {"20INCOLORO", "Impregnante para Maderas Incoloro", 20, 5, 4, "36.00", 'E', ""},
      // Line 33: universal tints, sold by weight.
      {"33AMARILLO", "Entonador Universal Amarillo", 33, 1, 1, "60.00", 'M', ""},
      {"33ROJO", "Entonador Universal Rojo", 33, 1, 1, "60.00", 'M', ""},
      {"33AZUL", "Entonador Universal Azul", 33, 1, 1, "60.00", 'M', ""},
      {"33VERDE", "Entonador Universal Verde", 33, 1, 1, "60.00", 'M', ""},
      {"33NEGRO", "Entonador Universal Negro", 33, 1, 1, "60.00", 'M', ""},
      {"33OCRE", "Entonador Universal Ocre", 33, 1, 1, "60.00", 'M', ""},
  };
  return rows;
}

// Quantities in kilograms per 100 kg of product; line 33 per kilogram. The
// products of lines 1, 2, 3, 5, 12, 20 and 33 use the "01" tints, so any of
// them can be copied to a new line that uses the "07" ones.
const std::vector<Formula>& formulas() {
  static const std::vector<Formula> rows = {
      {"01BLANCO", "Blanco base", {{"01BLANCO", "100"}}, 'S', 90},
      {"01MARFIL", "", {{"01BLANCO", "97.5"}, {"01AMARILLO", "2"}, {"01ROJO", "0.5"}}, 'S', 85},
      {"01CREMA", "", {{"01BLANCO", "95"}, {"01AMARILLO", "4.5"}, {"01ROJO", "0.5"}}, 'S', 85},
      {"01ARENA", "", {{"01BLANCO", "93"}, {"01AMARILLO", "4"}, {"01ROJO", "1.5"}, {"01NEGRO", "1.5"}}, 'S', 80},
      {"01DURAZNO", "", {{"01BLANCO", "94"}, {"01ROJO", "3.5"}, {"01AMARILLO", "2.5"}}, 'S', 80},
      {"01CELESTE", "", {{"01BLANCO", "96"}, {"01AZUL", "3.6"}, {"01VERDE", "0.4"}}, 'S', 75},
      {"01VERDEAGUA", "", {{"01BLANCO", "95"}, {"01VERDE", "4"}, {"01AZUL", "1"}}, 'S', 75},
      {"01GRISPERLA", "", {{"01BLANCO", "97"}, {"01NEGRO", "2.6"}, {"01AZUL", "0.4"}}, 'S', 70},
      {"01TERRACOTA", "Tono de temporada", {{"01BLANCO", "80"}, {"01ROJO", "14"}, {"01AMARILLO", "4"}, {"01NEGRO", "2"}}, 'S', 40},
      {"01MANTECA", "", {{"01BLANCO", "96.5"}, {"01AMARILLO", "3.5"}}, 'S', 30},
      {"07BLANCO", "Blanco base económico", {{"07BLANCO", "100"}}, 'S', 60},
      {"07MARFIL", "", {{"07BLANCO", "97.5"}, {"07AMARILLO", "2"}, {"07ROJO", "0.5"}}, 'S', 60},
      {"07CREMA", "", {{"07BLANCO", "95"}, {"07AMARILLO", "4.5"}, {"07ROJO", "0.5"}}, 'S', 60},
      {"02BLANCO", "", {{"01BLANCO", "100"}}, 'N', 120},
      {"02GRISCEMENTO", "", {{"01BLANCO", "90"}, {"01NEGRO", "9"}, {"01AMARILLO", "1"}}, 'N', 120},
      {"02TEJA", "", {{"01BLANCO", "60"}, {"01ROJO", "30"}, {"01AMARILLO", "7"}, {"01NEGRO", "3"}}, 'N', 110},
      {"02ARENA", "", {{"01BLANCO", "92"}, {"01AMARILLO", "5"}, {"01ROJO", "1.5"}, {"01NEGRO", "1.5"}}, 'N', 110},
      {"02OCRE", "", {{"01BLANCO", "75"}, {"01AMARILLO", "20"}, {"01ROJO", "3"}, {"01NEGRO", "2"}}, 'N', 100},
      {"02VERDEINGLES", "", {{"01BLANCO", "55"}, {"01VERDE", "30"}, {"01NEGRO", "10"}, {"01AMARILLO", "5"}}, 'N', 100},
      {"02AZULMARINO", "", {{"01BLANCO", "50"}, {"01AZUL", "38"}, {"01NEGRO", "12"}}, 'N', 95},
      {"02PIEDRA", "", {{"01BLANCO", "94"}, {"01NEGRO", "3"}, {"01AMARILLO", "2"}, {"01ROJO", "1"}}, 'N', 95},
      {"02VERDEMUSGO", "", {{"01BLANCO", "60"}, {"01VERDE", "22"}, {"01AMARILLO", "12"}, {"01NEGRO", "6"}}, 'N', 90},
      {"03BLANCO", "", {{"01BLANCO", "100"}}, 'S', 150},
      {"03NEGRO", "", {{"01BLANCO", "10"}, {"01NEGRO", "90"}}, 'S', 150},
      {"03ROJO", "", {{"01BLANCO", "15"}, {"01ROJO", "85"}}, 'S', 145},
      {"03AMARILLO", "", {{"01BLANCO", "20"}, {"01AMARILLO", "80"}}, 'S', 145},
      {"03AZULFRANCIA", "", {{"01BLANCO", "30"}, {"01AZUL", "68"}, {"01NEGRO", "2"}}, 'S', 140},
      {"03VERDEINGLES", "", {{"01BLANCO", "25"}, {"01VERDE", "60"}, {"01NEGRO", "10"}, {"01AMARILLO", "5"}}, 'S', 140},
      {"03GRISPERLA", "", {{"01BLANCO", "95"}, {"01NEGRO", "4"}, {"01AZUL", "1"}}, 'S', 135},
      {"03MARRON", "", {{"01BLANCO", "20"}, {"01ROJO", "45"}, {"01NEGRO", "20"}, {"01AMARILLO", "15"}}, 'S', 135},
      {"03NARANJA", "", {{"01BLANCO", "20"}, {"01AMARILLO", "50"}, {"01ROJO", "30"}}, 'S', 130},
      {"03BERMELLON", "", {{"01BLANCO", "10"}, {"01ROJO", "80"}, {"01AMARILLO", "10"}}, 'S', 130},
      {"05RAL9010", "Mezclar 4 a 1 con el reactivo", {{"EP-BASE", "98"}, {"01AMARILLO", "1.5"}, {"01NEGRO", "0.5"}}, 'N', 200},
      {"05RAL7035", "Mezclar 4 a 1 con el reactivo", {{"EP-BASE", "92"}, {"01NEGRO", "6"}, {"01AZUL", "1"}, {"01AMARILLO", "1"}}, 'N', 200},
      {"05RAL1023", "Mezclar 4 a 1 con el reactivo", {{"EP-BASE", "60"}, {"01AMARILLO", "38"}, {"01ROJO", "2"}}, 'N', 190},
      {"05RAL3020", "Mezclar 4 a 1 con el reactivo", {{"EP-BASE", "40"}, {"01ROJO", "58"}, {"01AMARILLO", "2"}}, 'N', 190},
      {"05RAL5015", "Mezclar 4 a 1 con el reactivo", {{"EP-BASE", "50"}, {"01AZUL", "45"}, {"01VERDE", "3"}, {"01NEGRO", "2"}}, 'N', 180},
      {"05RAL6018", "Mezclar 4 a 1 con el reactivo", {{"EP-BASE", "45"}, {"01VERDE", "40"}, {"01AMARILLO", "15"}}, 'N', 180},
      {"12RAL9010", "Catalizar 3 a 1", {{"PU-BASE", "98"}, {"01AMARILLO", "1.5"}, {"01NEGRO", "0.5"}}, 'N', 170},
      {"12RAL9005", "Catalizar 3 a 1", {{"PU-BASE", "15"}, {"01NEGRO", "85"}}, 'N', 170},
      {"12RAL7035", "Catalizar 3 a 1", {{"PU-BASE", "92"}, {"01NEGRO", "6"}, {"01AZUL", "1"}, {"01AMARILLO", "1"}}, 'N', 165},
      {"12RAL3000", "Catalizar 3 a 1", {{"PU-BASE", "35"}, {"01ROJO", "60"}, {"01NEGRO", "5"}}, 'N', 165},
      {"12RAL5010", "Catalizar 3 a 1", {{"PU-BASE", "45"}, {"01AZUL", "50"}, {"01NEGRO", "5"}}, 'N', 160},
      {"12RAL1021", "Catalizar 3 a 1", {{"PU-BASE", "55"}, {"01AMARILLO", "45"}}, 'N', 160},
      {"20NATURAL", "", {{"IMP-BASE", "98"}, {"01AMARILLO", "2"}}, 'S', 50},
      {"20CEDRO", "", {{"IMP-BASE", "90"}, {"01ROJO", "6"}, {"01AMARILLO", "3"}, {"01NEGRO", "1"}}, 'S', 50},
      {"20ROBLE", "", {{"IMP-BASE", "90"}, {"01AMARILLO", "6"}, {"01ROJO", "2"}, {"01NEGRO", "2"}}, 'S', 45},
      {"20NOGAL", "", {{"IMP-BASE", "85"}, {"01NEGRO", "7"}, {"01ROJO", "5"}, {"01AMARILLO", "3"}}, 'S', 45},
      {"20CAOBA", "", {{"IMP-BASE", "86"}, {"01ROJO", "10"}, {"01NEGRO", "4"}}, 'S', 40},
      {"20WENGUE", "", {{"IMP-BASE", "82"}, {"01NEGRO", "14"}, {"01ROJO", "4"}}, 'S', 40},
      {"20PINOTEA", "", {{"IMP-BASE", "92"}, {"01AMARILLO", "5"}, {"01ROJO", "3"}}, 'S', 35},
      {"33AMARILLO", "Por kilo", {{"01AMARILLO", "0.9"}, {"01BLANCO", "0.1"}}, 'S', 20},
      {"33ROJO", "Por kilo", {{"01ROJO", "0.95"}, {"01NEGRO", "0.05"}}, 'S', 20},
      {"33AZUL", "Por kilo", {{"01AZUL", "0.92"}, {"01BLANCO", "0.08"}}, 'S', 20},
      {"33VERDE", "Por kilo", {{"01VERDE", "0.9"}, {"01AMARILLO", "0.1"}}, 'S', 20},
      {"33NEGRO", "Por kilo", {{"01NEGRO", "1"}}, 'S', 20},
  };
  return rows;
}

const std::vector<TwoComponentLine>& twoComponentLines() {
  static const std::vector<TwoComponentLine> rows = {
      {5, "4.00", "1.00", "05-REAC-B"},
      {12, "3.00", "1.00", "12-1002-B"},
  };
  return rows;
}

const std::vector<Relacion>& relaciones() {
  static const std::vector<Relacion> rows = {{1, "A"}, {4, "B"}, {20, "C"}};
  return rows;
}

const std::vector<Cliente>& clientes() {
  static const std::vector<Cliente> rows = {
      {1, "Pinturería El Arco Iris", "Av. San Martín 1234", 1, "S2000", "(0341) 455-1200", "Marta Giménez",
       "compras@arcoiris.ejemplo.ar", "www.arcoiris.ejemplo.ar", 1,
       "Cliente desde 2015.\nRecibe mercadería los martes por la mañana."},
      {2, "Distribuidora Litoral S.A.", "Ruta 11 km 4,5", 5, "S3000", "(0342) 460-7788", "Jorge Paredes",
       "pedidos@litoral.ejemplo.ar", "www.litoral.ejemplo.ar", 2, ""},
      {3, "Constructora Andina S.R.L.", "Belgrano 870", 3, "M5500", "(0261) 423-0099", "Ing. Laura Sosa",
       "obras@andina.ejemplo.ar", "", 3, "Pisos industriales: pide siempre epoxi RAL 7035."},
      {4, "Taller Metalúrgico Ñandú", "Calle 13 Nº 455", 4, "B1900", "(0221) 482-3311", "Raúl \"Toto\" Medina",
       "taller@nandu.ejemplo.ar", "", 4, ""},
      {5, "Plásticos del Centro S.A.", "Bv. Chacabuco 220", 2, "X5000", "(0351) 471-5500", "Cecilia Ortiz",
       "ventas@plasticentro.ejemplo.ar", "www.plasticentro.ejemplo.ar", 4, ""},
      {6, "Pinturería La Paleta", "Colón 3560", 6, "B7600", "(0223) 491-2020", "Hugo Benítez",
       "lapaleta@ejemplo.ar", "", 1, ""},
      {7, "Hogar y Color", "Mitre 45", 1, "S2000", "(0341) 421-6060", "Sofía Ramírez", "", "", 5, ""},
      {8, "Corralón Los Aromos", "Ruta 9 km 12", 2, "X5101", "(0351) 499-1414", "Daniel Acosta",
       "ventas@losaromos.ejemplo.ar", "", 3, ""},
      {9, "Mayorista del Oeste", "San Juan 1500", 3, "M5501", "(0261) 438-7272", "Patricia Luna",
       "oeste@ejemplo.ar", "www.mayoristaoeste.ejemplo.ar", 2, ""},
      {10, "Carpintería Don Braulio", "Rivadavia 77", 5, "S3002", "(0342) 455-0808", "Braulio Ferreyra", "", "", 5,
       "Compra impregnantes para aberturas."},
  };
  return rows;
}

const std::vector<Compra>& compras() {
  static const std::vector<Compra> rows = {
      {"RE", 1450, 25, "Químicos del Sur - bases y entonadores",
       {{"01BLANCO", "40"}, {"01NEGRO", "12"}, {"01ROJO", "8"}}},
      {"FA", 3021, 15, "Resinas Bicomponentes del Plata",
       {{"EP-BASE", "16"}, {"PU-BASE", "12"}, {"05-REAC-B", "10"}, {"12-1002-C", "4"}}},
      {"RE", 1488, 4, "Químicos del Sur - reposición",
       {{"01AMARILLO", "10"}, {"01AZUL", "6"}, {"01VERDE", "6"}, {"07BLANCO", "30"}}},
  };
  return rows;
}

const std::vector<Produccion>& producciones() {
  static const std::vector<Produccion> rows = {
      {1, 1, "01MARFIL", "20", 20, 'T', 0},
      {3, 5, "05RAL7035", "4", 12, 'T', 2},
      {5, 12, "12RAL9005", "20", 6, 'P', 3},
      {2, 33, "33ROJO", "5", 3, 'P', 0},
      {7, 3, "03AZULFRANCIA", "10", 1, 'P', 0},
  };
  return rows;
}

Decimal dollarRate(int daysAgo) {
  // A slow rise of about 1.2 pesos a day with a small daily wobble.
  const int day = kDollarDays - 1 - daysAgo;
  const Decimal trend = Decimal(880) + Decimal::fromMantissa(12345LL * day, 4);
  const Decimal wobble = Decimal::fromMantissa(913LL * ((day * 37) % 11), 4);
  return (trend + wobble).rounded(4);
}

}  // namespace bv::cli::demo
