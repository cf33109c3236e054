#pragma once
// The procedures of formulas, costing and production, under the names the
// menu and the lists start them by ("CostoFormula").
namespace bv {

class FileManagers;
class ListCatalogue;
class ProcedureRegistry;

void registerProductionProcedures(ProcedureRegistry& registry, FileManagers& files);
// The production lists by procedure name, for the frame's menu and the headless runner.
void addProductionLists(ListCatalogue& catalogue);

}  // namespace bv
