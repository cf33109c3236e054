// The tables of the system, their records, keys, field rules and primed values.
//
// BAS:KEYCOLUMNA and PRO1:KEYMAR leave blank values out of the key. Most basic
// products have no spreadsheet column, and a unique key that counted blanks would
// allow only one of them. Label printing positions PRO1:KEYMAR on "I" and reads
// forward while the mark is "I": with blanks left out, the key holds only marked
// orders, so the walk meets exactly those. Ignoring letter case would serve
// neither: blanks would still collide, and an "i" would sort among the "I"s and
// end the walk early, leaving later marked orders unprinted.
#include "storage/dictionary/table_declaration.h"

namespace bv::dictionary {
namespace {

using F = FieldDecl;
using K = KeyDecl;
using R = RuleDecl;
using P = PrimeDecl;

// Linea, Carta, Marca, TipoCli and Localidad share one shape: an auto-numbered
// code and a description, with further fields for Linea.
TableDecl codeTable(const char* label, const char* prefix, int descriptionLength,
                    std::vector<FieldDecl> further = {}) {
  std::vector<FieldDecl> fields{
      F::number("CODIGO", 2, 0).picture("n3"),
      F::text("DESCRIPCION", descriptionLength)
          .picture(("s" + std::to_string(descriptionLength)).c_str()),
  };
  fields.insert(fields.end(), further.begin(), further.end());
  return {
      .label = label,
      .prefix = prefix,
      .fields = std::move(fields),
      .keys = {K("KEYDES", "Por Descripcion", {"DESCRIPCION"}),
               K("KEYCOD", "Por Codigo", {"CODIGO"}).unique().primary().autoNumber()},
  };
}

// One row of the label sheet: three labels side by side, three lines each.
std::vector<FieldDecl> labelLines() {
  std::vector<FieldDecl> fields;
  for (const char* label : {"1", "2", "3"})
    for (const char* line : {"A", "B", "C"})
      fields.push_back(F::text(("LINEA_" + std::string(line) + label).c_str(), 40).picture("s40"));
  return fields;
}

TableDecl basicos() {
  return {
      .label = "Basicos",
      .prefix = "BAS",
      .fixedFileName = "Basicos.tps",
      .fields =
          {
              F::text("CODIGO", 13).prompt("&Código:").picture("s13"),
              F::text("DESCRIPCION", 50).prompt(" &Descripción:").picture("s50"),
              F::number("PESO_ESPECIFICO", 4, 4).prompt("&Peso especifico:").picture("n7.4"),
              F::number("COSTO", 5, 2).prompt("&Costo:").picture("n10.2"),
              F::number("UNIDAD_POR_LATA", 2, 0).prompt("&Unidad por lata:").picture("n2"),
              F::text("MONEDA", 1).prompt("&Moneda").option("D", "Dolar").option("P", "Peso"),
              F::number("BONIFICACION1", 3, 2),
              F::number("BONIFICACION2", 3, 2),
              F::number("BONIFICACION3", 3, 2),
              F::number("BONIFICACION4", 3, 2),
              F::number("STOCK_RELATIVO", 3, 0),
              F::number("MARGENUTILIDAD", 3, 2).prompt("Margen Utilidad:").picture("n7.2"),
              F::text("COLUMNA_EN_EXCEL", 2).prompt("Columna &Excel:").picture("s2"),
          },
      .memo = MemoDecl{"FICHA_TECNICA", "Ficha tecnica:",
                       "Datos tecnicos que pueda considerarse de utilidad"},
      .keys = {K("KEYDES", "Por Descripcion", {"DESCRIPCION"}),
               K("KEYCOLUMNA", "Por Columna_en_Excel", {"COLUMNA_EN_EXCEL"}).unique().excludeBlank(),
               K("KEYCOD", "Por Codigo", {"CODIGO"}).unique().primary()},
      .rules = {R::oneOf("MONEDA", "DP", "'Dolar','Peso'")},
      .primed = {P::text("MONEDA", "D")},
  };
}

TableDecl terminado() {
  return {
      .label = "Terminado",
      .prefix = "TER",
      .fixedFileName = "Terminad.tps",
      .fields =
          {
              F::text("CODIGO", 13).prompt("&Codigo:").picture("s13"),
              F::text("DESCRIPCION", 50).prompt("&Descripcion:").picture("s50"),
              F::number("LINEA", 2, 0).prompt("&Linea:").picture("n3"),
              F::number("CARTA", 2, 0).prompt("&Carta:").picture("n3"),
              F::number("MARCA", 2, 0).prompt("&Marca:").picture("n3"),
              F::number("MARGENUTILIDAD", 4, 2).prompt("Margen Utilidad:").picture("n6.2"),
              F::text("SISTEMA", 1).prompt("Sistema").option("M", "Mezcla").option("E", "Entintado"),
          },
      .memo = MemoDecl{"FICHA_TECNICA", "&Ficha Tecnica:"},
      .keys = {K("KEYDES", "Por Descripcion", {"DESCRIPCION"}),
               K("KEYCOD", "Por Codigo", {"CODIGO"}).unique().primary(),
               K("KEYLIN", "Por Linea", {"LINEA"}),
               K("KEYCAR", "Por Carta", {"CARTA"}),
               K("KEYMAR", "Por Marca", {"MARCA"})},
      .rules = {R::existsIn("LINEA", "Linea", "LIN:KEYCOD"),
                R::oneOf("SISTEMA", "ME", "'Mezcla','Entintado'")},
  };
}

TableDecl relacion() {
  return {
      .label = "Relacion",
      .prefix = "REL",
      .fields = {F::number("CANTIDAD", 2, 0).prompt("&Litros:").picture("n3"),
                 F::text("CODFINAL", 1).prompt("&Cód Final:").picture("s1")},
      .keys = {K("KEYCAN", "Por Cantidad", {"CANTIDAD"}).unique()},
  };
}

TableDecl linea() {
  return codeTable("Linea", "LIN", 30,
                   {F::number("BONI1", 3, 2).prompt("Bonificación 1:").picture("n-7.2"),
                    F::number("BONI2", 3, 2).prompt("Bonificación 2:").picture("n-7.2"),
                    F::number("BONI3", 3, 2).prompt("Bonificación 3:").picture("n-7.2"),
                    F::number("MARGEN", 3, 2).prompt("Margen de Utilidad:").picture("n-7.2")});
}

TableDecl dolar() {
  return {
      .label = "Dolar",
      .prefix = "DOL",
      .fields = {F::date("FECHA").prompt("&Fecha:").picture("d6"),
                 F::number("COTIZACION", 4, 4).prompt("&Cotizacion:").picture("n8.4")},
      .keys = {K("KEYFEC", "Cotizacion Diaria", {"FECHA"}).unique().primary()},
  };
}

TableDecl clientes() {
  return {
      .label = "Clientes",
      .prefix = "CLI",
      .fields =
          {
              F::number("CODIGO", 3, 0).prompt("&Codigo:").picture("n05"),
              F::text("NOMBRE", 30).prompt("&Nombre:").picture("s30"),
              F::text("DIRECCION", 30).prompt("&Direccion:").picture("s30"),
              F::number("LOCALIDAD", 2, 0).prompt("&Localidad:").picture("n3"),
              F::text("CODIGO_POSTAL", 8).prompt("&Codigo postal:").picture("s8"),
              F::text("TELEFONOS", 30).prompt("&Telefonos:").picture("s30"),
              F::text("CONTACTO", 50).prompt("&Contacto:").picture("s50"),
              F::text("E_MAIL", 30).prompt("&E Mail:").picture("s30"),
              F::text("WEB", 30).prompt("&Web:").picture("s30"),
              F::number("TIPO_DE_CLIENTE", 2, 0).prompt("&Tipo de cliente:").picture("n3"),
          },
      .memo = MemoDecl{"FICHA_TECNICA", "&Ficha tecnica:"},
      .keys = {K("KEYNOM", "Por Nombre de Cliente", {"NOMBRE"}),
               K("KEYCON", "Por Nombre del Contacto", {"CONTACTO"}),
               K("KEYTIP", "Por tipo de cliente", {"TIPO_DE_CLIENTE"}),
               K("KEYLOC", "Por Localidad", {"LOCALIDAD"}),
               K("KEYCOD", "CLI:KeyCod", {"CODIGO"}).unique().primary()},
  };
}

TableDecl formula1() {
  return {
      .label = "Formula1",
      .prefix = "FOR1",
      .fixedFileName = "Formula1.tps",
      .fields =
          {
              F::number("CODIGO_FORMULA", 5, 0).prompt("&Código formula:").picture("n10"),
              F::text("OBSERVACIONES", 50).prompt("Observaciones:").picture("s50"),
              F::text("CODIGO_TERMINADO", 13).prompt("&Código Terminado:").picture("s13"),
              F::number("CANTIDAD", 4, 3).prompt("&Cantidad a producir:").picture("n7.3"),
              F::number("PESO_ESPECIFICO", 4, 4).prompt("&Peso especifico:").picture("n7.4"),
              F::number("REL1", 4, 2).prompt("&Relación de mezcla:").picture("n5.0b").heading("Rel 1"),
              F::number("REL2", 4, 2).picture("n5.0b").hint("Relación de Mezcla  2").heading("Rel 2"),
              F::text("COMPONENTE_B", 13).picture("s13"),
              F::number("CANTIDADB", 4, 3).prompt("Cantidad &B:").picture("n8.3").hint(
                  "Cantidad del Producto B"),
              F::text("MODIFICABLE", 1).heading("M").option("S", "Si").option("N", "No"),
              F::date("FECHA").prompt("Ultima Actualización:").picture("d6"),
          },
      .keys = {K("KEYTER", "Por Codigo del Producto Terminado", {"CODIGO_TERMINADO"}).unique(),
               K("KEYOBS", "Por Observaciones", {"OBSERVACIONES"}),
               K("KEYCOD", "Por Codigo de la Formula", {"CODIGO_FORMULA"}).unique().autoNumber(),
               K("KEYCOMB", "FOR1:KeyComB", {"COMPONENTE_B"})},
      .rules = {R::oneOf("MODIFICABLE", "SN", "'Si','No'")},
      .primed = {P::today("FECHA")},
  };
}

TableDecl formula2() {
  return {
      .label = "Formula2",
      .prefix = "FOR2",
      .fixedFileName = "Formula2.tps",
      .fields =
          {
              F::number("CODIGO_FORMULA", 5, 0).picture("n10"),
              F::text("CODIGO_BASICO", 13).prompt("Código básico").picture("s13"),
              F::number("CANTIDAD", 4, 4).prompt("Cantidad").picture("n10.4"),
              F::number("VOLUMEN", 4, 2).prompt("Volumen").picture("n-10.2"),
          },
      .keys = {K("KEYCOD", "Por Codigo de formula", {"CODIGO_FORMULA"}),
               K("KEYBAS", "Por Codigo de Basico", {"CODIGO_BASICO"}),
               K("KEYCODBAS", "Por Codigo y Basico", {"CODIGO_FORMULA", "CODIGO_BASICO"}).unique()},
      .rules = {R::existsIn("CODIGO_BASICO", "Basicos", "BAS:KEYCOD")},
  };
}

TableDecl compra1() {
  return {
      .label = "Compra1",
      .prefix = "COM1",
      .fields =
          {
              F::text("TIPO_DE_COMPROBANTE", 2).prompt("&Tipo de Comprobante:").picture("s2").heading("TC"),
              F::number("COMPROBANTE", 5, 0).prompt("&Numero de Comprobante:").picture("n08"),
              F::date("FECHA").prompt("&Fecha:").picture("d6"),
              F::text("OBSERVACIONES", 50).prompt("&Observaciones:").picture("s50"),
          },
      .keys = {K("KEYCOM", "Por Nro. de Comprobante", {"COMPROBANTE"}),
               K("KEYTICO", "Por Tipo y Nro. de Comprobante", {"TIPO_DE_COMPROBANTE", "COMPROBANTE"})
                   .unique()
                   .primary(),
               K("KEYFEC", "Por Fecha", {"FECHA"})},
  };
}

TableDecl compra2() {
  return {
      .label = "Compra2",
      .prefix = "COM2",
      .fields =
          {
              F::text("TIPO_DE_COMPROBANTE", 2).picture("s2"),
              F::number("COMPROBANTE", 5, 0).picture("n08"),
              F::text("CODIGO_BASICO", 13).prompt("Codigo Basico").picture("s13").message(
                  "COM2:Codigo_Basico"),
              F::number("CANTIDAD", 5, 4).prompt("Cantidad").picture("n10.4"),
          },
      .keys = {K("KEYTICO", "COM2:KeyTiCo", {"TIPO_DE_COMPROBANTE", "COMPROBANTE"}),
               K("KEYCO", "COM2:KeyCo", {"CODIGO_BASICO"})},
      .rules = {R::existsIn("CODIGO_BASICO", "Basicos", "BAS:KEYCOD")},
  };
}

TableDecl produc01() {
  return {
      .label = "Produc01",
      .prefix = "PRO1",
      .fields =
          {
              F::number("CODIGO", 6, 0).prompt("&Codigo:").picture("n010"),
              F::date("FECHA").prompt("&Fecha:").picture("D6"),
              F::number("CLIENTE", 3, 0).prompt("&Cliente:").picture("n05"),
              F::text("CODIGO_TERMINADO", 13).prompt("&Código Producto:").picture("s13").message(
                  "PRO1:Codigo_Terminado"),
              F::number("CANTIDAD", 5, 4).prompt("&Cantidad a producir:").picture("n10.1"),
              F::number("PESO_ESPECIFICO", 4, 4).prompt("&Peso Especifico:").picture("n7.4"),
              F::text("COMPONENTE_B", 13).prompt("&Componente B:").picture("s13"),
              F::text("ESTADO", 1).prompt("&Estado").option("P", "En Produccion").option("T", "Terminado"),
              F::number("COSTO_DE_PRODUCCION", 5, 2).prompt("&Precio de venta:").picture("n10.2b").heading(
                  "Costo de Produccion"),
              F::number("LINEA", 2, 0).prompt("Código de línea:").picture("n03"),
              F::number("CANTIDAD_ETIQUETAS", 2, 0).picture("n3"),
              F::text("MARCA", 1).heading("M"),
          },
      .keys = {K("KEYTER", "Por Producto Terminado", {"CODIGO_TERMINADO"}),
               K("KEYFEC", "Por Fecha", {"FECHA"}),
               K("KEYCLI", "Por Cliente", {"CLIENTE"}),
               K("KEYCOD", "Por Codigo Interno", {"CODIGO"}).unique().primary().autoNumber(),
               K("KEYMAR", "Marca para imprimir etiquetas", {"MARCA"}).excludeBlank()},
      .rules = {R::existsIn("CODIGO_TERMINADO", "Terminado", "TER:KEYCOD"),
                R::oneOf("ESTADO", "PT", "'En Produccion','Terminado'")},
  };
}

TableDecl produc02() {
  return {
      .label = "Produc02",
      .prefix = "PRO2",
      .fields =
          {
              F::number("CODIGO", 6, 0).picture("n010"),
              F::text("CODIGO_BASICO", 13).prompt("Código Básico").picture("s13"),
              F::number("CANTIDAD", 7, 4).prompt("Cantidad (gr)").picture("N17.1~ gr~"),
              F::number("VOLUMEN", 4, 2).prompt("Volumen (lt)").picture("N14.3~ lt~"),
          },
      .keys = {K("KEYCOD", "Por Codigo Interno", {"CODIGO"}),
               K("KEYBAS", "Por Producto Básico", {"CODIGO_BASICO"})},
  };
}

TableDecl paramet() {
  return {
      .label = "Paramet",
      .prefix = "PAR",
      .fields = {
          F::number("CANTIDAD_DE_BONIFICACIONES", 1, 0)
              .prompt("&Cantidad de Bonificaciones disponibles (0-4):")
              .picture("n1"),
          F::number("ALICUOTA_DEL_IVA", 3, 2).prompt("&Alicuota del IVA:").picture("n5.2"),
          F::text("MODIFICAFORMULAS", 1).prompt("Permite modificar las formulas maestras"),
      },
  };
}

TableDecl etiquetas() {
  return {
      .label = "Etiquetas",
      .prefix = "ETI",
      .fixedFileName = "Etiquetas.tps",
      .fields = labelLines(),
      .shareCode = kShareDenyWrite,
      .perStation = true,
  };
}

TableDecl versiones() {
  return {
      .label = "Versiones",
      .prefix = "VER",
      .fields = {F::number("VERSION", 5, 0).prompt("&Versión del Sistema:").picture("n6"),
                 F::date("FECHA").prompt("&Fecha de Acualizacion:").picture("d6"),
                 F::text("ADMINISTADOR", 1)},
      .primed = {P::today("FECHA")},
  };
}

TableDecl planilla() {
  return {
      .label = "Planilla",
      .prefix = "PLA",
      .fields = {F::text("CODIGO", 13), F::text("DESCRIPCION", 40), F::number("PESOESP", 4, 4),
                 F::number("BASICO", 4, 4).array(25)},
      .shareCode = kShareDenyWrite,
  };
}

}  // namespace

Catalogue catalogue() {
  return {
      .tables = {basicos(), terminado(), relacion(), codeTable("TipoCli", "TIP", 50),
                 codeTable("Marca", "MAR", 50), linea(), codeTable("Carta", "CAR", 50), dolar(),
                 clientes(), codeTable("Localidad", "LOC", 30), formula1(), formula2(), compra1(),
                 compra2(), produc01(), produc02(), paramet(), etiquetas(), versiones(), planilla()},
      .aliases = {"Formula2", "Formula1", "Terminado", "Basicos"},
  };
}

}  // namespace bv::dictionary
