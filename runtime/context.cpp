#include "runtime/context.h"

#include <atomic>

namespace bv {
namespace {
std::atomic<ContextId> currentId{ExecutionContext::kMain};
std::atomic<ContextId> lastId{ExecutionContext::kMain};
}  // namespace

ContextId ExecutionContext::current() { return currentId.load(); }
ContextId ExecutionContext::create() { return ++lastId; }
void ExecutionContext::release(ContextId) {}

ContextGuard::ContextGuard(ContextId id) : previous_(currentId.exchange(id)) {}
ContextGuard::~ContextGuard() { currentId = previous_; }

}  // namespace bv
