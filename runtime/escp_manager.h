#pragma once
// The ESC/P printer-code manager: keeps the printer codes that the label printing
// sends. The program hands it its default codes once at start-up.
#include <QByteArray>
#include <QList>

namespace bv {

class KalEscpManagerClass {
 public:
  static constexpr int kCodeCount = 24;

  // The default codes, in the order the program gives them; extra ones are
  // ignored and missing ones stay empty.
  void SETDEFAULTESCP(const QList<QByteArray>& codes);
  // Makes the default codes the ones in use.
  void INIT();

  // Code number n (1 to 24) in use; empty when out of range or not set.
  QByteArray code(int n) const;
  const QList<QByteArray>& defaults() const { return defaults_; }
  bool initialised() const { return initialised_; }

 private:
  QList<QByteArray> defaults_;
  QList<QByteArray> codes_;
  bool initialised_ = false;
};

}  // namespace bv
