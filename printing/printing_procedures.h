#pragma once
// The procedures of label printing and the listings, under the names the menu
// and their own windows start them by ("ImprimirEtiquetas1", "ListadoFormulas").
namespace bv {

class FileManagers;
class ListCatalogue;
class ProcedureRegistry;

void registerPrintingProcedures(ProcedureRegistry& registry, FileManagers& files);
// The printing lists by procedure name, for the frame's menu and the headless runner.
void addPrintingLists(ListCatalogue& catalogue);

}  // namespace bv
