#pragma once
// Where windows keep their position between runs. The runtime's windows (the print
// preview and its page question) save and restore themselves through this
// interface under their own names; the program adapts it to its settings file.
#include <QString>

class QWidget;

namespace bv {

class WindowPositionStore {
 public:
  virtual ~WindowPositionStore() = default;
  virtual void save(const QString& name, QWidget& window) = 0;
  virtual void restore(const QString& name, QWidget& window) = 0;
};

}  // namespace bv
