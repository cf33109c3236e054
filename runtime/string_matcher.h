#pragma once
// The program-wide string matcher. Option 1 makes matching ignore letter case
// (accented letters included); option 2 makes "*" and "?" in the pattern match
// any run of characters and any one character. Start-up sets option 1 on and
// option 2 off.
#include <QString>

namespace bv {

class StringMatcher {
 public:
  void setOption(int option, bool on);
  bool option(int option) const;
  // Does `text` match `pattern` under the options? Trailing blanks never count.
  bool matches(const QString& pattern, const QString& text) const;

  // The matcher registered for the whole program (none until start-up sets one).
  static StringMatcher* programMatcher();
  static void setProgramMatcher(StringMatcher* matcher);

 private:
  bool ignoreCase_ = false;
  bool wildcards_ = false;
};

}  // namespace bv
