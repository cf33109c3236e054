#pragma once
// Helpers of the shell's window tests: a working directory with its own settings
// file, and answering a message window from inside its event loop.
#include "shell/message_window.h"
#include "storage/settings/settings.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace bv::testing_shell {

// The test runs in a fresh directory with the settings object open on
// "bravent.INI" there.
struct ShellTempDir {
  QTemporaryDir dir;
  QString previous = QDir::currentPath();
  ShellTempDir() {
    QDir::setCurrent(dir.path());
    Settings::global().open(QStringLiteral("bravent.INI"));
  }
  ~ShellTempDir() {
    Settings::global().close();
    QDir::setCurrent(previous);
  }
  QString fetch(const QString& section, const QString& entry) const {
    return Settings::global().tryFetch(section, entry);
  }
};

// Runs `act` on the modal message window once it is open.
inline void whenMessageShown(std::function<void(MessageWindow&)> act) {
  QTimer::singleShot(0, qApp, [act = std::move(act)] {
    auto* window = qobject_cast<MessageWindow*>(QApplication::activeModalWidget());
    if (!window) {
      ADD_FAILURE() << "no message window is open";
      return;
    }
    act(*window);
  });
}

inline QPushButton* buttonCaptioned(MessageWindow& window, const QString& caption) {
  for (auto* b : window.findChildren<QPushButton*>())
    if (b->text() == caption) return b;
  return nullptr;
}

// Presses the button of this caption in the next message window.
inline void pressInNextMessage(const QString& caption) {
  whenMessageShown([caption](MessageWindow& w) {
    QPushButton* b = buttonCaptioned(w, caption);
    if (!b) {
      ADD_FAILURE() << "no button " << caption.toStdString();
      w.done(-1);
      return;
    }
    b->click();
  });
}

// Lets deferred deletions and queued resumptions run.
inline void settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
}

}  // namespace bv::testing_shell
