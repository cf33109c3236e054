#pragma once
// The procedures of the spreadsheet exchange, under the names the menu starts
// them by ("GeneraPlanilla": "Exportar Fórmulas a Excel").
namespace bv {

class FileManagers;
class ProcedureRegistry;

void registerExchangeProcedures(ProcedureRegistry& registry, FileManagers& files);

}  // namespace bv
