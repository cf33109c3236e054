#include "shell/request_codes.h"

namespace bv {
namespace {
PerContext<RequestCodes>& codes() {
  static PerContext<RequestCodes> perContext;
  return perContext;
}
}  // namespace

RequestCodes globalCodes() { return codes().get(); }
int globalRequest() { return codes().get().request; }
void setGlobalRequest(int request) { codes().get().request = request; }
int globalResponse() { return codes().get().response; }
void setGlobalResponse(int response) { codes().get().response = response; }
void clearGlobalCodes() { codes().get() = RequestCodes(); }
void dropGlobalCodes(ContextId id) { codes().drop(id); }

}  // namespace bv
