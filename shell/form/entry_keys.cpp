#include "shell/form/entry_keys.h"

namespace bv {
namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The text that stays when the selection is typed over.
QString remaining(const QString& text, int start, int length) {
  QString rest = text;
  if (start >= 0 && length > 0 && start < rest.size()) rest.remove(start, length);
  return rest;
}

// The picture's letters and flags, without its ~literal~ texts.
QString withoutLiterals(const QString& picture) {
  QString out;
  bool inLiteral = false;
  for (const QChar c : picture) {
    if (c == u'~')
      inLiteral = !inLiteral;
    else if (!inLiteral)
      out += c;
  }
  return out;
}

}  // namespace

bool pictureTakesNegatives(const Picture& picture) {
  return picture.kind() == Picture::Kind::Number && withoutLiterals(picture.text()).contains(u'-');
}

bool entryTakes(const Picture& picture, const QString& text, int selectionStart, int selectionLength, QChar c) {
  if (isDigit(c)) return true;
  const QString rest = remaining(text, selectionStart, selectionLength);
  switch (picture.kind()) {
    case Picture::Kind::Text: return true;
    case Picture::Kind::Number:
      if (c == u'.') return picture.places() > 0 && !rest.contains(u'.');
      if (c == u'-') return pictureTakesNegatives(picture) && !rest.contains(u'-');
      return false;
    case Picture::Kind::Date: return c == u'/' || c == u'-' || c == u'.';
    case Picture::Kind::Time: return c == u':';
    case Picture::Kind::Pattern: {
      const QString literals = picture.text().section(u'p', 1, -2, QString::SectionCaseInsensitiveSeps);
      return c == u' ' || (c != u'#' && c != u'<' && literals.contains(c));
    }
  }
  return false;
}

}  // namespace bv
