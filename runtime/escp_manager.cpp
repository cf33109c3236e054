#include "runtime/escp_manager.h"

namespace bv {

void KalEscpManagerClass::SETDEFAULTESCP(const QList<QByteArray>& codes) {
  defaults_ = codes.mid(0, kCodeCount);
  while (defaults_.size() < kCodeCount) defaults_.append(QByteArray());
}

void KalEscpManagerClass::INIT() {
  codes_ = defaults_;
  initialised_ = true;
}

QByteArray KalEscpManagerClass::code(int n) const {
  if (n < 1 || n > codes_.size()) return QByteArray();
  return codes_[n - 1];
}

}  // namespace bv
