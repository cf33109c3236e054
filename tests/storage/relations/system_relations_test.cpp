// The relations of the system as the managers hold them, and the walks over the
// relation graph: open, close and quick scan visit every related table once.
#include "tests/storage/relations/relations_fixture.h"

namespace bv::test {
namespace {

using SystemRelations = RelationsTest;

QString describe(const RelationManager& owner, const Relation& r) {
  QStringList pairs;
  for (const FieldPair& p : r.pairs) pairs << p.mine->label + u'=' + p.other->label;
  return QStringLiteral("%1>%2 %3 %4 %5/%6")
      .arg(owner.me().table().label, r.other->me().table().label, r.key->label, pairs.join(u','))
      .arg(int(r.onUpdate))
      .arg(int(r.onDelete));
}

TEST_F(SystemRelations, OwnedRelationsWithKeysPairsAndActions) {
  QStringList owned;
  for (const auto& m : relations.all())
    for (const Relation& r : m->relations())
      if (r.owned()) owned << describe(*m, r);
  // 1 clear, 2 restrict, 3 cascade.
  EXPECT_EQ(lines(owned), lines(QStringList({
                       "Basicos>Produc02 PRO2:KEYBAS BAS:CODIGO=PRO2:CODIGO_BASICO 3/2",
                       "Basicos>Linea LIN:KEYCOD BAS:CODIGO=LIN:CODIGO 0/0",
                       "Basicos>Compra2 COM2:KEYCO BAS:CODIGO=COM2:CODIGO_BASICO 3/2",
                       "Basicos>Formula2 FOR2:KEYBAS BAS:CODIGO=FOR2:CODIGO_BASICO 3/3",
                       "Terminado>Produc01 PRO1:KEYTER TER:CODIGO=PRO1:CODIGO_TERMINADO 3/2",
                       "Terminado>Formula1 FOR1:KEYTER TER:CODIGO=FOR1:CODIGO_TERMINADO 3/2",
                       "TipoCli>Clientes CLI:KEYTIP TIP:CODIGO=CLI:TIPO_DE_CLIENTE 3/2",
                       "Marca>Terminado TER:KEYMAR MAR:CODIGO=TER:MARCA 3/2",
                       "Linea>Terminado TER:KEYLIN LIN:CODIGO=TER:LINEA 3/2",
                       "Carta>Terminado TER:KEYCAR CAR:CODIGO=TER:CARTA 3/2",
                       "Clientes>Produc01 PRO1:KEYCLI CLI:CODIGO=PRO1:CLIENTE 3/2",
                       "Localidad>Clientes CLI:KEYLOC LOC:CODIGO=CLI:LOCALIDAD 3/2",
                       "Formula1>Formula2 FOR2:KEYCOD FOR1:CODIGO_FORMULA=FOR2:CODIGO_FORMULA 3/3",
                       "Formula1>Relacion REL:KEYCAN FOR1:REL2=REL:CANTIDAD 0/0",
                       "Compra1>Compra2 COM2:KEYTICO COM1:TIPO_DE_COMPROBANTE=COM2:TIPO_DE_COMPROBANTE,"
                       "COM1:COMPROBANTE=COM2:COMPROBANTE 3/3",
                       "Produc01>A_Basicos A_BAS:KEYCOD PRO1:COMPONENTE_B=A_BAS:CODIGO 0/0",
                       "Produc01>Produc02 PRO2:KEYCOD PRO1:CODIGO=PRO2:CODIGO 3/3",
                       "A_Basicos>Formula1 FOR1:KEYCOMB A_BAS:CODIGO=FOR1:COMPONENTE_B 3/2",
                   })));
}

TEST_F(SystemRelations, EveryOtherSideRegistersItsOwnerOnce) {
  for (const auto& m : relations.all()) {
    QStringList registered;
    for (const Relation& r : m->relations())
      if (!r.owned()) {
        EXPECT_TRUE(r.pairs.empty());
        EXPECT_EQ(r.onUpdate, RelationAction::None);
        registered << r.other->me().table().label;
      }
    // Exactly the owners of the relations that lead into this table.
    QStringList owners;
    for (const auto& o : relations.all())
      for (const Relation& r : o->relations())
        if (r.owned() && r.other == m.get()) owners << o->me().table().label;
    registered.sort();
    owners.sort();
    EXPECT_EQ(lines(registered), lines(owners)) << m->me().table().label.toStdString();
  }
  for (const char* none : {"Planilla", "Versiones", "Etiquetas", "Paramet", "A_Terminado", "A_Formula1", "A_Formula2"})
    EXPECT_TRUE(rel(none).relations().empty()) << none;
  EXPECT_EQ(rel("A_Basicos").aliasFile(), &rel("Basicos"));
  EXPECT_EQ(rel("A_Formula2").aliasFile(), &rel("Formula2"));
  EXPECT_EQ(rel("Basicos").aliasFile(), nullptr);
  for (const auto& m : relations.all()) EXPECT_TRUE(m->useLogout());
}

TEST_F(SystemRelations, OpenAndCloseVisitEveryRelatedTableOncePerPass) {
  // A context of its own, where nothing is open yet.
  ContextGuard guard(ExecutionContext::create());
  ASSERT_EQ(rel("Terminado").open(), 0);
  // Terminado is opened at once; the tables reached through relations, in
  // either direction and further on, are counted and opened on first use.
  EXPECT_TRUE(file("Terminado").isOpen());
  for (const char* reached : {"Terminado", "Linea", "Carta", "Marca", "Produc01", "Formula1", "Formula2", "Basicos",
                              "Clientes", "Localidad", "TipoCli", "Produc02", "Compra2", "Compra1", "Relacion",
                              "A_Basicos"}) {
    EXPECT_EQ(file(reached).openCount(), 1) << reached;
    if (QLatin1String(reached) != QLatin1String("Terminado")) EXPECT_FALSE(file(reached).isOpen()) << reached;
  }
  for (const char* apart : {"Dolar", "Paramet", "Planilla", "Etiquetas", "Versiones", "A_Terminado"})
    EXPECT_EQ(file(apart).openCount(), 0) << apart;

  // A second open from another table of the graph counts one more everywhere.
  ASSERT_EQ(rel("Linea").open(), 0);
  EXPECT_EQ(file("Formula2").openCount(), 2);
  rel("Linea").close();
  rel("Terminado").close();
  for (const auto& m : files.all()) EXPECT_EQ(m->openCount(), 0) << m->table().label.toStdString();
  EXPECT_FALSE(file("Terminado").isOpen());
}

TEST_F(SystemRelations, QuickScanReachesTheRelatedTables) {
  rel("Formula1").setQuickScan(true);
  for (const char* reached : {"Formula1", "Formula2", "Terminado", "Linea", "Basicos", "Produc02"})
    EXPECT_EQ(file(reached).file().sendOption("QUICKSCAN").toStdString(), "on") << reached;
  EXPECT_EQ(file("Dolar").file().sendOption("QUICKSCAN").toStdString(), "");
  rel("Formula1").setQuickScan(false, false);
  EXPECT_EQ(file("Formula1").file().sendOption("QUICKSCAN").toStdString(), "off");
  EXPECT_EQ(file("Formula2").file().sendOption("QUICKSCAN").toStdString(), "on");
}

}  // namespace
}  // namespace bv::test
