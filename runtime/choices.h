#pragma once
// The one way a procedure asks its user something other than a message-window
// question: the output type, a file name, the listing's sort order, the label
// start position, the parameters of a process. The windows answer on screen, the
// headless runner from its arguments, tests from a script.
#include <QHash>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

namespace bv {

struct Choice {
  QString id;            // stable name the runner and scripts answer by ("tipo-salida")
  QString title;         // window caption
  QString prompt;        // what is asked
  QStringList options;   // the offered answers; empty for free text
  QString defaultValue;  // preselected answer
};

class Choices {
 public:
  virtual ~Choices() = default;
  // The answer, or nullopt when the user cancelled.
  virtual std::optional<QString> choose(const Choice& choice) = 0;

  // The installed answerer; with none installed every choice takes its default.
  static Choices* installed();
  static std::optional<QString> ask(const Choice& choice);
};

// Installs an answerer for its lifetime and restores the previous one.
class ChoicesScope {
 public:
  explicit ChoicesScope(Choices& choices);
  ~ChoicesScope();
  ChoicesScope(const ChoicesScope&) = delete;
  ChoicesScope& operator=(const ChoicesScope&) = delete;

 private:
  Choices* previous_;
};

// Answers from a script: for each choice id, a queue of answers (nullopt =
// cancel); a choice with no scripted answer takes its default. Every choice asked
// is recorded.
class ScriptedChoices : public Choices {
 public:
  void answer(const QString& id, std::optional<QString> value) { script_[id].push_back(std::move(value)); }
  std::optional<QString> choose(const Choice& choice) override;
  const std::deque<Choice>& asked() const { return asked_; }

 private:
  QHash<QString, std::deque<std::optional<QString>>> script_;
  std::deque<Choice> asked_;
};

}  // namespace bv
