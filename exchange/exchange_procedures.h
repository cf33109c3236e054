#pragma once
// The procedures of the spreadsheet exchange and the maintenance tools, under
// the names the menu starts them by: "GeneraPlanilla" ("Exportar Fórmulas a
// Excel"), "ImportarPlanilla" ("Importar Fórmulas de Excel"), "CopiaFormulas"
// ("Copiar formulas de una linea a otra") and "Actualizar" ("Crear
// Actualización").
namespace bv {

class ProcedureRegistry;
class RelationManagers;

void registerExchangeProcedures(ProcedureRegistry& registry, RelationManagers& relations);

}  // namespace bv
