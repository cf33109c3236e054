#pragma once
// The end of the program after a fatal message.
//
// halt() ends the process at once: no window is asked to close (a window asking
// "Guardar Registro" after a fatal error would be wrong), the event loop is told
// to quit, the standard streams are flushed and the process exits through
// std::exit, so that process-wide objects still shut down. The data files stay
// whole: a transaction that was not committed is rolled back when its file is
// next opened. The exit status is 0, as the program has always ended after a
// fatal message; the headless runner sets 3, its status for a failure.
//
// Tests install a HaltOverride to observe a halt; with one installed halt()
// calls it and returns, and the caller goes on as after a declined operation.
#include <QString>
#include <QStringList>
#include <functional>

namespace bv {

void halt(const QString& text);

// The exit status of a halt without override (0 unless set).
void setHaltExitStatus(int status);
int haltExitStatus();

class HaltOverride {
 public:
  using Handler = std::function<void(const QString& text)>;
  explicit HaltOverride(Handler handler);
  ~HaltOverride();
  HaltOverride(const HaltOverride&) = delete;
  HaltOverride& operator=(const HaltOverride&) = delete;

 private:
  Handler previous_;
};

// Records every halt text instead of ending the program.
class HaltRecorder {
 public:
  HaltRecorder() : override_([this](const QString& text) { texts_.append(text); }) {}
  const QStringList& texts() const { return texts_; }
  bool halted() const { return !texts_.isEmpty(); }

 private:
  QStringList texts_;
  HaltOverride override_;
};

}  // namespace bv
