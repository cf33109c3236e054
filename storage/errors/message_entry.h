#pragma once
// One numbered message of the error manager's table.
#include <QString>
#include <cstdint>

namespace bv {

// What the manager does with a message, and what storage operations answer.
enum MessageLevel : int {
  kLevelBenign = 0,    // nothing is shown
  kLevelUser = 1,      // a question "&SI" / "&NO"
  kLevelProgram = 2,   // handled as fatal
  kLevelFatal = 3,     // shown, then the program ends
  kLevelDeclined = 4,  // the answer "&NO" to a question
  kLevelNotice = 5,    // shown with "Aceptar"
};

struct MessageEntry {
  std::uint16_t number = 0;
  std::uint8_t level = 0;
  QString title;
  QString text;
  QString category;  // empty: the manager's default category
  friend bool operator==(const MessageEntry&, const MessageEntry&) = default;
};

}  // namespace bv
