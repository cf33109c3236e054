#pragma once
// The procedures of formulas, costing and production, under the names the
// menu and the lists start them by ("CostoFormula").
namespace bv {

class FileManagers;
class ListCatalogue;
class ProcedureRegistry;
class RelationManagers;

void registerProductionProcedures(ProcedureRegistry& registry, FileManagers& files);
// The forms the menu starts on their own ("Nueva Producción").
void registerProductionForms(ProcedureRegistry& registry, RelationManagers& relations);
// The production lists by procedure name, for the frame's menu and the headless runner.
void addProductionLists(ListCatalogue& catalogue);

}  // namespace bv
