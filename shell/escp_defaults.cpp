#include "shell/escp_defaults.h"

namespace bv {

QList<QByteArray> defaultEscpCodes() {
  const QByteArray esc(1, '\x1B');
  return {
      esc + "k1",  esc + "k0",   // sans serif, roman
      esc + "x0",  esc + "x1",   // draft, letter quality
      esc + "-0",  esc + "-1",   // underline off, on
      esc + "5",   esc + "4",    // italic off, on
      esc + "T",                 // cancel super/subscript
      esc + "S1",  esc + "S0",   // subscript, superscript
      esc + "w0",  esc + "w1",   // double height off, on
      esc + "F",   esc + "E",    // bold off, on
      esc + '\x14', esc + '\x0E',  // double width (one line) off, on
      esc + '\x12', esc + '\x0F',  // condensed off, on
      esc + "M",   esc + "P",    // 12 and 10 characters per inch
      QByteArray(1, '\x0C'), QByteArray(1, '\x0A'), QByteArray(1, '\x0D'),
  };
}

}  // namespace bv
