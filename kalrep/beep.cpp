#include "kalrep/beep.h"

#include <QApplication>

namespace bv {
namespace {

BeepCounter* activeCounter = nullptr;

}  // namespace

BeepCounter::BeepCounter() : previous_(activeCounter) { activeCounter = this; }

BeepCounter::~BeepCounter() { activeCounter = previous_; }

void beep() {
  if (activeCounter) {
    ++activeCounter->count_;
    return;
  }
  if (qobject_cast<QApplication*>(QCoreApplication::instance())) QApplication::beep();
}

}  // namespace bv
