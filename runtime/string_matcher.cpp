#include "runtime/string_matcher.h"

#include <atomic>

namespace bv {
namespace {
std::atomic<StringMatcher*> program{nullptr};

QString trimRight(const QString& s) {
  qsizetype n = s.size();
  while (n > 0 && s[n - 1] == u' ') --n;
  return s.left(n);
}

// "*" any run of characters, "?" any one; greedy with backtracking to the last star.
bool wildcardMatch(const QString& p, const QString& t, Qt::CaseSensitivity cs) {
  qsizetype pi = 0, ti = 0, star = -1, mark = 0;
  auto same = [&](QChar a, QChar b) {
    return cs == Qt::CaseSensitive ? a == b : a.toUpper() == b.toUpper();
  };
  while (ti < t.size()) {
    if (pi < p.size() && (p[pi] == u'?' || (p[pi] != u'*' && same(p[pi], t[ti])))) {
      ++pi;
      ++ti;
    } else if (pi < p.size() && p[pi] == u'*') {
      star = pi++;
      mark = ti;
    } else if (star >= 0) {
      pi = star + 1;
      ti = ++mark;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == u'*') ++pi;
  return pi == p.size();
}
}  // namespace

void StringMatcher::setOption(int option, bool on) {
  if (option == 1) ignoreCase_ = on;
  if (option == 2) wildcards_ = on;
}

bool StringMatcher::option(int option) const {
  return option == 1 ? ignoreCase_ : option == 2 ? wildcards_ : false;
}

bool StringMatcher::matches(const QString& pattern, const QString& text) const {
  const QString p = trimRight(pattern), t = trimRight(text);
  const auto cs = ignoreCase_ ? Qt::CaseInsensitive : Qt::CaseSensitive;
  if (!wildcards_) return p.compare(t, cs) == 0;
  return wildcardMatch(p, t, cs);
}

StringMatcher* StringMatcher::programMatcher() { return program.load(); }
void StringMatcher::setProgramMatcher(StringMatcher* matcher) { program = matcher; }

}  // namespace bv
