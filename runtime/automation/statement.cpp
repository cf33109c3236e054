#include "runtime/automation/statement.h"

namespace bv {
namespace {

bool isNameStart(QChar c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
}
bool isNameChar(QChar c) { return isNameStart(c) || (c >= u'0' && c <= u'9'); }

void skipBlanks(QStringView t, qsizetype& i) {
  while (i < t.size() && (t[i] == u' ' || t[i] == u'\t')) ++i;
}

// A quoted text starting at t[i] == '"'; i ends after the closing quote.
std::optional<QString> quoted(QStringView t, qsizetype& i) {
  const qsizetype start = i + 1;
  const qsizetype close = t.indexOf(u'"', start);
  if (close < 0) return std::nullopt;
  if (close + 1 >= t.size() || t[close + 1] != u'"') {  // no doubled quote inside
    i = close + 1;
    return t.mid(start, close - start).toString();
  }
  QString out;
  for (++i; i < t.size(); ++i) {
    if (t[i] != u'"') {
      out += t[i];
      continue;
    }
    if (i + 1 < t.size() && t[i + 1] == u'"') {
      out += u'"';
      ++i;
      continue;
    }
    ++i;
    return out;
  }
  return std::nullopt;  // no closing quote
}

}  // namespace

std::optional<Statement> Statement::parse(QStringView t) {
  Statement s;
  qsizetype i = 0;
  skipBlanks(t, i);
  while (true) {
    const qsizetype start = i;
    if (i >= t.size() || !isNameStart(t[i])) return std::nullopt;
    while (i < t.size() && isNameChar(t[i])) ++i;
    Member m;
    m.name = t.mid(start, i - start);
    m.firstArgument = int(s.arguments_.size());
    skipBlanks(t, i);
    if (i < t.size() && t[i] == u'(') {
      m.called = true;
      ++i;
      skipBlanks(t, i);
      if (i < t.size() && t[i] == u')') {
        ++i;
      } else {
        while (true) {
          skipBlanks(t, i);
          if (i < t.size() && t[i] == u'"') {
            auto text = quoted(t, i);
            if (!text) return std::nullopt;
            s.arguments_.append(std::move(*text));
            skipBlanks(t, i);
          } else {
            const qsizetype a = i;
            while (i < t.size() && t[i] != u',' && t[i] != u')' && t[i] != u'"') ++i;
            s.arguments_.append(t.mid(a, i - a).trimmed().toString());
          }
          if (i >= t.size()) return std::nullopt;
          if (t[i] == u',') {
            ++i;
            continue;
          }
          if (t[i] == u')') {
            ++i;
            break;
          }
          return std::nullopt;
        }
      }
      skipBlanks(t, i);
    }
    m.argumentCount = int(s.arguments_.size()) - m.firstArgument;
    s.members_.append(m);
    if (i >= t.size()) return s;
    if (t[i] != u'.') return std::nullopt;
    ++i;
    skipBlanks(t, i);
  }
}

bool Statement::is(int i, QLatin1StringView name) const {
  return i >= 0 && i < size() && members_[i].name.compare(name, Qt::CaseInsensitive) == 0;
}

QString Statement::argument(int i, int j) const {
  if (i < 0 || i >= size()) return {};
  const Member& m = members_[i];
  if (j < 0 || j >= m.argumentCount) return {};
  return arguments_[m.firstArgument + j];
}

void Statement::dropApplication() {
  if (size() > 1 && is(0, QLatin1StringView("Application"))) members_.remove(0);
}

}  // namespace bv
