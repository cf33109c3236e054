#pragma once
// The warning beep that goes with some of the library's messages. While a
// BeepCounter lives, beeps are counted instead of sounded, so that tests can
// tell that a message came with its beep.
namespace bv {

void beep();

class BeepCounter {
 public:
  BeepCounter();
  ~BeepCounter();
  BeepCounter(const BeepCounter&) = delete;
  BeepCounter& operator=(const BeepCounter&) = delete;

  int count() const { return count_; }

 private:
  friend void beep();
  BeepCounter* previous_;
  int count_ = 0;
};

}  // namespace bv
