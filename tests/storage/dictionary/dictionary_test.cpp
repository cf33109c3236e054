#include "storage/dictionary/dictionary.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <map>

namespace bv {
namespace {

const Dictionary& dict() { return Dictionary::instance(); }

const TableDef& table(const char* label) {
  const TableDef* t = dict().table(QString::fromUtf8(label));
  EXPECT_NE(t, nullptr) << label;
  return *t;
}

TEST(Dictionary, TablesInConstructionOrderWithTheirRecordLengths) {
  const std::vector<std::pair<const char*, int>> expected{
      {"Basicos", 95},   {"Terminado", 74}, {"Relacion", 3},    {"TipoCli", 52},
      {"Marca", 52},     {"Linea", 44},     {"Carta", 52},      {"Dolar", 8},
      {"Clientes", 215}, {"Localidad", 32}, {"Formula1", 106},  {"Formula2", 26},
      {"Compra1", 61},   {"Compra2", 25},   {"Produc01", 59},   {"Produc02", 30},
      {"Paramet", 5},    {"Etiquetas", 360}, {"Versiones", 10}, {"Planilla", 157},
      {"A_Formula2", 26}, {"A_Formula1", 106}, {"A_Terminado", 74}, {"A_Basicos", 95}};
  ASSERT_EQ(dict().tables().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const TableDef& t = *dict().tables()[i];
    EXPECT_EQ(t.label, QString::fromUtf8(expected[i].first));
    EXPECT_EQ(t.recordLength(), expected[i].second) << expected[i].first;
  }
}

TEST(Dictionary, FieldsAreNumberedAndTyped) {
  const TableDef& bas = table("Basicos");
  ASSERT_EQ(bas.fieldCount(), 13);
  for (int i = 1; i <= bas.fieldCount(); ++i) EXPECT_EQ(bas.field(i)->number, i);
  const FieldDef& costo = *bas.field(QStringLiteral("bas:costo"));
  EXPECT_EQ(costo.number, 4);
  EXPECT_EQ(costo.label, "BAS:COSTO");
  EXPECT_EQ(costo.type, FieldType::Decimal);
  EXPECT_EQ(costo.width, 5);
  EXPECT_EQ(costo.digits, 9);
  EXPECT_EQ(costo.places, 2);
  EXPECT_EQ(costo.picture, "n10.2");
  EXPECT_EQ(costo.prompt, "&Costo:");
  EXPECT_EQ(bas.field(2)->prompt, QString::fromUtf8(" &Descripción:"));
  EXPECT_EQ(bas.field(6)->options.size(), 2u);
  EXPECT_EQ(bas.field(6)->options[1].text, "Peso");

  ASSERT_TRUE(bas.memo);
  EXPECT_EQ(bas.memo->label, "BAS:FICHA_TECNICA");
  EXPECT_EQ(bas.memo->messageText, "BAS:Ficha_tecnica");
  EXPECT_EQ(bas.memo->type, FieldType::Memo);
  EXPECT_EQ(bas.memo->length, 2000);
  EXPECT_EQ(bas.field(QStringLiteral("BAS:Ficha_Tecnica")), &*bas.memo);

  EXPECT_EQ(table("Dolar").field(1)->type, FieldType::Date);
  EXPECT_EQ(table("Dolar").field(2)->largestText(), "999.9999");
  EXPECT_EQ(table("Dolar").field(2)->width, 4);
}

TEST(Dictionary, MessageTextsAreMixedCase) {
  const std::map<const char*, const char*> expected{
      {"TER:LINEA", "TER:Linea"},
      {"BAS:MONEDA", "BAS:Moneda"},
      {"FOR2:CODIGO_BASICO", "FOR2:Codigo_basico"},
      {"COM2:CODIGO_BASICO", "COM2:Codigo_Basico"},
      {"PRO1:CODIGO_TERMINADO", "PRO1:Codigo_Terminado"},
      {"BAS:PESO_ESPECIFICO", "BAS:Peso_especifico"},
      {"A_PRO1:CODIGO_TERMINADO", nullptr},  // not an alias: absent
      {"A_BAS:MONEDA", "A_BAS:Moneda"},
  };
  for (const auto& [label, text] : expected) {
    const FieldLocation loc = dict().field(QString::fromUtf8(label));
    if (!text) {
      EXPECT_FALSE(loc) << label;
      continue;
    }
    ASSERT_TRUE(loc) << label;
    EXPECT_EQ(loc.field->messageText, QString::fromUtf8(text));
  }
}

TEST(Dictionary, LookupsIgnoreLetterCase) {
  EXPECT_EQ(dict().table(u"basicos"), dict().table(u"BASICOS"));
  EXPECT_EQ(dict().table(u"Nada"), nullptr);
  const FieldLocation f = dict().field(u"pla:basico");
  ASSERT_TRUE(f);
  EXPECT_EQ(f.table->label, "Planilla");
  EXPECT_EQ(f.field->arrayLength, 25);
  const KeyLocation k = dict().key(u"a_bas:keycod");
  ASSERT_TRUE(k);
  EXPECT_EQ(k.table->label, "A_Basicos");
  EXPECT_EQ(k.key->description, "Por Codigo");
  EXPECT_FALSE(dict().key(u"BAS:KEYNADA"));
}

TEST(Dictionary, FileNamesAndMessageNames) {
  struct Row {
    const char* table;
    const char* file;
    const char* shown;
  };
  const Row rows[] = {
      {"Basicos", "Basicos.tps", "Basicos.tps"},     {"Terminado", "Terminad.tps", "Terminad.tps"},
      {"Formula1", "Formula1.tps", "Formula1.tps"},  {"Formula2", "Formula2.tps", "Formula2.tps"},
      {"Relacion", "RELACION.TPS", "Relacion"},      {"Localidad", "LOCALIDA.TPS", "Localidad"},
      {"Versiones", "VERSIONE.TPS", "Versiones"},    {"Produc02", "PRODUC02.TPS", "Produc02"},
      {"Paramet", "PARAMET.TPS", "Paramet"},         {"Etiquetas", "Etiquetas.tps", "Etiquetas.tps"},
      {"A_Basicos", "Basicos.tps", "Basicos.tps"},   {"A_Formula2", "Formula2.tps", "Formula2.tps"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(table(r.table).fileName, QString::fromUtf8(r.file)) << r.table;
    EXPECT_EQ(table(r.table).fileNameValue, QString::fromUtf8(r.shown)) << r.table;
  }
  for (const TableDef* t : dict().tables()) {
    EXPECT_EQ(t->perStation, t->label == "Etiquetas") << t->label.toStdString();
    const bool denyWrite = t->label == "Planilla" || t->label == "Etiquetas";
    EXPECT_EQ(t->shareCode, denyWrite ? 0x22 : 0x42) << t->label.toStdString();
  }
}

TEST(Dictionary, KeyFlags) {
  QStringList autoNumbered;
  for (const TableDef* t : dict().tables())
    for (const KeyDef& k : t->keys) {
      if (k.autoNumber) autoNumbered << k.label;
      EXPECT_FALSE(k.ignoresCase);
      EXPECT_EQ(k.excludesBlank, k.label == "BAS:KEYCOLUMNA" || k.label == "PRO1:KEYMAR" ||
                                     k.label == "A_BAS:KEYCOLUMNA")
          << k.label.toStdString();
    }
  QStringList sorted = autoNumbered;
  sorted.sort();
  EXPECT_EQ(sorted, QStringList({"A_FOR1:KEYCOD", "CAR:KEYCOD", "FOR1:KEYCOD", "LIN:KEYCOD",
                                 "LOC:KEYCOD", "MAR:KEYCOD", "PRO1:KEYCOD", "TIP:KEYCOD"}));

  EXPECT_EQ(table("Formula1").primaryKey(), nullptr);
  EXPECT_EQ(table("Relacion").primaryKey(), nullptr);
  EXPECT_TRUE(table("Relacion").key(u"REL:KEYCAN")->unique);
  EXPECT_EQ(table("Basicos").primaryKey()->label, "BAS:KEYCOD");
  EXPECT_EQ(table("Basicos").keys.size(), 3u);
  EXPECT_EQ(table("Terminado").keys.size(), 5u);
  EXPECT_EQ(table("Clientes").key(u"CLI:KEYCOD")->description, "CLI:KeyCod");
  EXPECT_TRUE(table("Paramet").keys.empty());
  EXPECT_TRUE(table("Planilla").keys.empty());
  EXPECT_FALSE(table("Basicos").hasAutoNumber());
  EXPECT_TRUE(table("A_Formula1").hasAutoNumber());

  const KeyDef& codBas = *table("Formula2").key(u"FOR2:KEYCODBAS");
  EXPECT_EQ(codBas.components, (std::vector<int>{1, 2}));
  EXPECT_TRUE(codBas.unique);
  EXPECT_FALSE(codBas.primary);
  EXPECT_TRUE(table("Produc01").key(u"PRO1:KEYMAR")->duplicates());
  EXPECT_TRUE(table("Basicos").key(u"BAS:KEYCOLUMNA")->unique);
}

TEST(Dictionary, AliasSharesLayoutUnderItsOwnPrefix) {
  const TableDef& base = table("Basicos");
  const TableDef& alias = table("A_Basicos");
  EXPECT_EQ(alias.prefix, "A_BAS");
  EXPECT_EQ(alias.base, &base);
  EXPECT_TRUE(alias.sameLayout(base));
  EXPECT_FALSE(alias.sameLayout(table("Terminado")));
  EXPECT_TRUE(alias.rules.empty());
  ASSERT_EQ(alias.fieldCount(), base.fieldCount());
  for (int i = 1; i <= base.fieldCount(); ++i) {
    EXPECT_EQ(alias.field(i)->label, "A_" + base.field(i)->label);
    EXPECT_EQ(alias.field(i)->width, base.field(i)->width);
    EXPECT_EQ(alias.field(i)->slot, base.field(i)->slot);
  }
  EXPECT_EQ(alias.memo->label, "A_BAS:FICHA_TECNICA");
  ASSERT_EQ(alias.keys.size(), base.keys.size());
  for (std::size_t i = 0; i < base.keys.size(); ++i) {
    EXPECT_EQ(alias.keys[i].label, "A_" + base.keys[i].label);
    EXPECT_EQ(alias.keys[i].description, base.keys[i].description);
    EXPECT_EQ(alias.keys[i].components, base.keys[i].components);
  }
  EXPECT_EQ(table("A_Terminado").memo->label, "A_TER:FICHA_TECNICA");
  EXPECT_FALSE(table("A_Formula2").memo);
}

TEST(Dictionary, ColumnsInDeclarationOrderWithArrayElementsAndMemoLast) {
  const std::vector<Column> pla = table("Planilla").columns();
  ASSERT_EQ(pla.size(), 28u);
  EXPECT_EQ(pla[2].name, "PLA:PESOESP");
  EXPECT_EQ(pla[3].name, "PLA:BASICO[1]");
  EXPECT_EQ(pla[27].name, "PLA:BASICO[25]");
  EXPECT_EQ(pla[27].index, 25);
  const auto col = table("Planilla").column(u"pla:basico[7]");
  ASSERT_TRUE(col);
  EXPECT_EQ(col->index, 7);
  EXPECT_FALSE(table("Planilla").column(u"PLA:BASICO[26]"));

  const std::vector<Column> cli = table("Clientes").columns();
  ASSERT_EQ(cli.size(), 11u);
  EXPECT_EQ(cli.front().name, "CLI:CODIGO");
  EXPECT_EQ(cli.back().name, "CLI:FICHA_TECNICA");
}

TEST(Dictionary, PicturesWhereNoneIsGiven) {
  EXPECT_EQ(table("Basicos").field(7)->picture, "n-7.2");   // DECIMAL(3, 2)
  EXPECT_EQ(table("Basicos").field(11)->picture, "n-7");    // DECIMAL(3, 0)
  EXPECT_EQ(table("Planilla").field(1)->picture, "s13");
  EXPECT_EQ(table("Planilla").field(4)->picture, "n-9.4");  // DECIMAL(4, 4)
}

}  // namespace
}  // namespace bv
