#pragma once
// The main frame of the program, with every procedure of the subsystems
// registered for its menu.
namespace bv {

class Program;
class ProcedureRegistry;

// Each subsystem's procedures, under the names the menu starts them by, over
// the program's file and relation managers.
void registerProcedures(ProcedureRegistry& registry, Program& program);

// Runs the main frame until the user closes it.
void runFrame(Program& program);

}  // namespace bv
