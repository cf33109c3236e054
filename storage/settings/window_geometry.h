#pragma once
// What the settings object needs of a window to save and restore its placement.
// The windows implement it; tests use a fake.
#include <QRect>

namespace bv {

class WindowGeometry {
 public:
  virtual ~WindowGeometry() = default;
  virtual bool isMaximized() const = 0;
  virtual bool isResizable() const = 0;
  // Position and size the window has (or, while maximized, returns to) when it
  // is not maximized; an invalid rectangle when it has none yet.
  virtual QRect normalGeometry() const = 0;
  virtual void showMaximized() = 0;
  virtual void setPosition(int x, int y) = 0;
  virtual void setSize(int width, int height) = 0;
};

}  // namespace bv
