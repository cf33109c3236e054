// The relations of the system: which table owns each, the key of the other
// table it leads into, its field pairs and its update and delete actions; and,
// per table, the owners it registers without key (the other side of each).
#include <initializer_list>
#include <utility>

#include "storage/relations/relation_managers.h"

namespace bv {
namespace {

using A = RelationAction;

struct OwnedRelation {
  const char* owner;
  const char* other;
  const char* key;
  std::initializer_list<std::pair<const char*, const char*>> pairs;
  A onUpdate;
  A onDelete;
};

const OwnedRelation kOwned[] = {
    {"Basicos", "Produc02", "PRO2:KEYBAS", {{"BAS:CODIGO", "PRO2:CODIGO_BASICO"}}, A::Cascade, A::Restrict},
    {"Basicos", "Linea", "LIN:KEYCOD", {{"BAS:CODIGO", "LIN:CODIGO"}}, A::None, A::None},
    {"Basicos", "Compra2", "COM2:KEYCO", {{"BAS:CODIGO", "COM2:CODIGO_BASICO"}}, A::Cascade, A::Restrict},
    {"Basicos", "Formula2", "FOR2:KEYBAS", {{"BAS:CODIGO", "FOR2:CODIGO_BASICO"}}, A::Cascade, A::Cascade},
    {"A_Basicos", "Formula1", "FOR1:KEYCOMB", {{"A_BAS:CODIGO", "FOR1:COMPONENTE_B"}}, A::Cascade, A::Restrict},
    {"Terminado", "Produc01", "PRO1:KEYTER", {{"TER:CODIGO", "PRO1:CODIGO_TERMINADO"}}, A::Cascade, A::Restrict},
    {"Terminado", "Formula1", "FOR1:KEYTER", {{"TER:CODIGO", "FOR1:CODIGO_TERMINADO"}}, A::Cascade, A::Restrict},
    {"Linea", "Terminado", "TER:KEYLIN", {{"LIN:CODIGO", "TER:LINEA"}}, A::Cascade, A::Restrict},
    {"Carta", "Terminado", "TER:KEYCAR", {{"CAR:CODIGO", "TER:CARTA"}}, A::Cascade, A::Restrict},
    {"Marca", "Terminado", "TER:KEYMAR", {{"MAR:CODIGO", "TER:MARCA"}}, A::Cascade, A::Restrict},
    {"Localidad", "Clientes", "CLI:KEYLOC", {{"LOC:CODIGO", "CLI:LOCALIDAD"}}, A::Cascade, A::Restrict},
    {"TipoCli", "Clientes", "CLI:KEYTIP", {{"TIP:CODIGO", "CLI:TIPO_DE_CLIENTE"}}, A::Cascade, A::Restrict},
    {"Clientes", "Produc01", "PRO1:KEYCLI", {{"CLI:CODIGO", "PRO1:CLIENTE"}}, A::Cascade, A::Restrict},
    {"Formula1", "Formula2", "FOR2:KEYCOD", {{"FOR1:CODIGO_FORMULA", "FOR2:CODIGO_FORMULA"}}, A::Cascade, A::Cascade},
    {"Formula1", "Relacion", "REL:KEYCAN", {{"FOR1:REL2", "REL:CANTIDAD"}}, A::None, A::None},
    {"Compra1", "Compra2", "COM2:KEYTICO",
     {{"COM1:TIPO_DE_COMPROBANTE", "COM2:TIPO_DE_COMPROBANTE"}, {"COM1:COMPROBANTE", "COM2:COMPROBANTE"}},
     A::Cascade, A::Cascade},
    {"Produc01", "A_Basicos", "A_BAS:KEYCOD", {{"PRO1:COMPONENTE_B", "A_BAS:CODIGO"}}, A::None, A::None},
    {"Produc01", "Produc02", "PRO2:KEYCOD", {{"PRO1:CODIGO", "PRO2:CODIGO"}}, A::Cascade, A::Cascade},
};

// The owners each table registers without key, in the order it registers them.
struct Registration {
  const char* table;
  std::initializer_list<const char*> owners;
};

const Registration kRegistered[] = {
    {"Produc02", {"Produc01", "Basicos"}},  {"Compra2", {"Compra1", "Basicos"}},
    {"Formula2", {"Formula1", "Basicos"}},  {"Formula1", {"A_Basicos", "Terminado"}},
    {"Produc01", {"Clientes", "Terminado"}}, {"Terminado", {"Marca", "Carta", "Linea"}},
    {"Clientes", {"Localidad", "TipoCli"}}, {"Linea", {"Basicos"}},
    {"Relacion", {"Formula1"}},             {"A_Basicos", {"Produc01"}},
};

}  // namespace

void addSystemRelations(RelationManagers& managers) {
  // Each manager is set up in construction order with the relations it owns,
  // then the owners it registers.
  for (const auto& manager : managers.all()) {
    const QString label = manager->me().table().label;
    for (const OwnedRelation& r : kOwned) {
      if (label != QLatin1String(r.owner)) continue;
      RelationManager& other = managers[QString::fromLatin1(r.other)];
      manager->addRelation(other, r.onUpdate, r.onDelete, other.me().keyDef(QString::fromLatin1(r.key)));
      for (const auto& [mine, theirs] : r.pairs)
        manager->addFieldPair(QString::fromLatin1(mine), QString::fromLatin1(theirs));
    }
    for (const Registration& r : kRegistered) {
      if (label != QLatin1String(r.table)) continue;
      for (const char* owner : r.owners) manager->addRelation(managers[QString::fromLatin1(owner)]);
    }
  }
}

}  // namespace bv
