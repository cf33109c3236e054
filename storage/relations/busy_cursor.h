#pragma once
// Shows the busy cursor over the program's windows for its lifetime, while a
// delete with integrity or a commit runs; nothing without a GUI application.
namespace bv {

class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
  // Puts the cursor back before the end of the scope (before a message).
  void restore();

 private:
  bool shown_ = false;
};

}  // namespace bv
