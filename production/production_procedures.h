#pragma once
// The procedures of formulas, costing and production, under the names the
// menu and the lists start them by ("CostoFormula").
namespace bv {

class FileManagers;
class ProcedureRegistry;

void registerProductionProcedures(ProcedureRegistry& registry, FileManagers& files);

}  // namespace bv
