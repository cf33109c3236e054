#pragma once
// Calls into the operating system that the program makes, behind one interface so
// the core stays portable and tests can watch them.
#include <memory>

namespace bv {

class Platform {
 public:
  virtual ~Platform() = default;
  // Whether windows are dragged with their full contents (system setting).
  virtual bool dragFullWindows() const = 0;
  // Changes the setting for the user's session and tells every window.
  virtual void setDragFullWindows(bool on) = 0;

  // The platform the program runs on. Only Windows has the setting; elsewhere
  // it reads as off and is never written.
  static std::unique_ptr<Platform> native();
};

// A platform for tests: the setting is a plain flag and every write is counted.
class FakePlatform : public Platform {
 public:
  explicit FakePlatform(bool dragFull) : dragFull_(dragFull) {}
  bool dragFullWindows() const override { return dragFull_; }
  void setDragFullWindows(bool on) override {
    dragFull_ = on;
    ++writes_;
  }
  int writes() const { return writes_; }

 private:
  bool dragFull_;
  int writes_ = 0;
};

}  // namespace bv
