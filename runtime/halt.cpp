#include "runtime/halt.h"

#include <QCoreApplication>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <utility>

namespace bv {
namespace {
std::mutex handlerMutex;
HaltOverride::Handler& handler() {
  static HaltOverride::Handler h;
  return h;
}
std::atomic<int> exitStatus{0};
}  // namespace

void setHaltExitStatus(int status) { exitStatus = status; }
int haltExitStatus() { return exitStatus.load(); }

void halt(const QString& text) {
  HaltOverride::Handler h;
  {
    std::lock_guard lock(handlerMutex);
    h = handler();
  }
  if (h) {
    h(text);
    return;
  }
  const int status = exitStatus.load();
  if (QCoreApplication::instance()) QCoreApplication::exit(status);
  std::fflush(nullptr);
  std::exit(status);
}

HaltOverride::HaltOverride(Handler h) {
  std::lock_guard lock(handlerMutex);
  previous_ = std::exchange(handler(), std::move(h));
}

HaltOverride::~HaltOverride() {
  std::lock_guard lock(handlerMutex);
  handler() = std::move(previous_);
}

}  // namespace bv
