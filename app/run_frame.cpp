#include "app/run_frame.h"

#include "shell/frame/frame_data.h"
#include "shell/frame/main_frame.h"
#include "shell/procedure_registry.h"
#include "shell/program.h"

namespace bv {

void registerProcedures(ProcedureRegistry& registry) {
  // Each subsystem adds its windows and processes here as they are built; an
  // entry of the menu whose procedure is missing stays disabled.
  (void)registry;
}

void runFrame(Program&) {
  ProcedureRegistry registry;
  registerProcedures(registry);
  // The frame reads Paramet, Produc01 and Versiones through this; until the data
  // files are reached it shows the program as over empty files.
  MemoryFrameData data;
  runMainFrame(data, registry);
}

}  // namespace bv
