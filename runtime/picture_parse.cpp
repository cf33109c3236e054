// Reading a picture's text into its parts (the grammar is described in picture.h).
#include "runtime/picture.h"

namespace bv {
namespace {

constexpr int kMaxWidth = 255;

// A cursor over the picture text that collects the first error.
struct Reader {
  QString s;
  qsizetype i = 0;
  QString error;

  bool atEnd() const { return i >= s.size(); }
  QChar peek() const { return atEnd() ? QChar() : s.at(i); }
  bool take(QChar c) {
    if (atEnd() || s.at(i).toLower() != c) return false;
    ++i;
    return true;
  }
  // Digits as a number; -1 when there are none. Long runs saturate so that an
  // absurd width is reported rather than wrapped.
  int number() {
    int v = -1;
    while (!atEnd() && s.at(i).isDigit() && s.at(i).unicode() < 0x80) {
      v = std::min(10000, (v < 0 ? 0 : v * 10) + (s.at(i).unicode() - '0'));
      ++i;
    }
    return v;
  }
  // "~text~" -> text; nullopt (and an error) when the closing "~" is missing.
  std::optional<QString> literal() {
    const qsizetype close = s.indexOf(u'~', i + 1);
    if (close < 0) {
      error = QStringLiteral("Falta el '~' que cierra el texto literal");
      return std::nullopt;
    }
    QString text = s.mid(i + 1, close - i - 1);
    i = close + 1;
    return text;
  }
  bool fail(const QString& why) {
    if (error.isEmpty()) error = why;
    return false;
  }
  bool finish() {
    if (atEnd()) return true;
    return fail(QStringLiteral("Sobran caracteres en la máscara: '%1'").arg(s.mid(i)));
  }
};

}  // namespace

std::optional<Picture> Picture::parse(const QString& picture, QString* error) {
  Picture p;
  p.text_ = picture;
  Reader r;
  r.s = picture.trimmed();
  if (r.s.startsWith(u'@')) r.s.remove(0, 1);

  const auto parsed = [&]() -> bool {
    if (r.atEnd()) return r.fail(QStringLiteral("La máscara está vacía"));
    if (r.peek() == u'~') {
      const auto lit = r.literal();
      if (!lit) return false;
      p.before_ = *lit;
      if (r.peek().toLower() != u'n')
        return r.fail(QStringLiteral("Sólo una máscara numérica admite texto literal"));
    }
    const QChar letter = r.peek().toLower();
    ++r.i;
    if (letter == u's') {
      p.kind_ = Kind::Text;
      p.width_ = r.number();
      if (p.width_ < 1) return r.fail(QStringLiteral("Falta el largo en la máscara de texto"));
      if (p.width_ > kMaxWidth) return r.fail(QStringLiteral("Largo de máscara demasiado grande"));
      return r.finish();
    }
    if (letter == u'd' || letter == u't') {
      const bool date = letter == u'd';
      p.kind_ = date ? Kind::Date : Kind::Time;
      r.take(u'0');  // zero-padded: the only form shown here
      const int code = r.number();
      if (date && code != 6 && code != 17)
        return r.fail(QStringLiteral("Formato de fecha no admitido: '%1'").arg(r.s));
      if (!date && code != 3 && code != 4 && code != 8)
        return r.fail(QStringLiteral("Formato de hora no admitido: '%1'").arg(r.s));
      p.withSeconds_ = !date && code != 3;
      p.width_ = date ? 10 : (p.withSeconds_ ? 8 : 5);
      r.take(u'b');  // blank when zero, which dates and times always are
      return r.finish();
    }
    if (letter == u'p') {
      p.kind_ = Kind::Pattern;
      if (r.s.size() - r.i < 1 || r.s.back().toLower() != u'p')
        return r.fail(QStringLiteral("La máscara de patrón debe terminar en 'p'"));
      p.pattern_ = r.s.mid(r.i, r.s.size() - r.i - 1);
      if (p.pattern_.isEmpty()) return r.fail(QStringLiteral("La máscara de patrón está vacía"));
      p.width_ = int(p.pattern_.size());
      return true;
    }
    if (letter != u'n')
      return r.fail(QStringLiteral("Tipo de máscara desconocido: '%1'").arg(r.s.at(r.i - 1)));

    p.kind_ = Kind::Number;
    // A leading literal may stand on either side of the leading minus.
    for (int k = 0; k < 2; ++k) {
      if (r.peek() == u'~') {
        if (!p.before_.isEmpty())
          return r.fail(QStringLiteral("Hay dos textos literales antes del número"));
        const auto lit = r.literal();
        if (!lit) return false;
        p.before_ = *lit;
      }
      if (k == 0) p.minusLeads_ = r.take(u'-');
    }
    if (r.peek() == u'0' && r.i + 1 < r.s.size() && r.s.at(r.i + 1).isDigit()) {
      p.zeroFill_ = true;
      ++r.i;
    }
    p.width_ = r.number();
    if (p.width_ < 0) return r.fail(QStringLiteral("Falta el ancho en la máscara numérica"));
    if (p.width_ == 0) return r.fail(QStringLiteral("El ancho de la máscara debe ser mayor que cero"));
    if (p.width_ > kMaxWidth) return r.fail(QStringLiteral("Ancho de máscara demasiado grande"));
    if (r.take(u'.')) {
      p.places_ = r.number();
      if (p.places_ < 0) return r.fail(QStringLiteral("Faltan los decimales después del punto"));
      if (p.places_ > Decimal::kMaxScale)
        return r.fail(QStringLiteral("Demasiados decimales en la máscara"));
    }
    // The flags after the places, each at most once and in any order.
    while (!r.atEnd()) {
      if (r.peek() == u'-' && !p.minusLeads_ && !p.minusTrails_) {
        p.minusTrails_ = true;
        ++r.i;
      } else if (r.peek().toLower() == u'b' && !p.blank_) {
        p.blank_ = true;
        ++r.i;
      } else if (r.peek() == u'~' && p.after_.isEmpty()) {
        const auto lit = r.literal();
        if (!lit) return false;
        p.after_ = *lit;
        if (p.after_.isEmpty()) return r.finish();  // "~~" then anything is an error
      } else {
        return r.finish();
      }
    }
    return true;
  }();

  if (!parsed) {
    if (error) *error = r.error;
    return std::nullopt;
  }
  return p;
}

}  // namespace bv
