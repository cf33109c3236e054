#pragma once
// The program's entry and its process-wide services, brought up in a fixed order
// around the main frame and taken down again in reverse.
#include "runtime/escp_manager.h"
#include "runtime/platform.h"
#include "runtime/string_matcher.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace bv {

class FileLayer;
class FileManagers;
class QtSpanish;
class RelationManagers;

class Program {
 public:
  explicit Program(Platform& platform, QString settingsFile = QStringLiteral("bravent.INI"));
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Whether the window runtime accepts the build this program was made for.
  static bool runtimeAcceptsBuild();
  // Where the tables kept per station are (the label work file): the station's
  // local application-data folder, made when missing; empty when it cannot be
  // made (they stay in the data directory then).
  static QString stationDirectory();

  // Start-up, steps 2 to 7: error manager, data dictionary, string matcher,
  // settings file, printer codes, full-window dragging; Qt's own dialogs are
  // put into Spanish first.
  void startUp();
  // Shut-down, steps 1 to 3: flush the settings, restore full-window dragging,
  // release the services in reverse order.
  void shutDown();

  KalEscpManagerClass& escp() { return escp_; }
  // One file manager per table and alias, over the data files of the working
  // directory; valid between start-up and shut-down.
  FileManagers& files() { return *files_; }
  // One relation manager per table and alias, with the system's relations.
  RelationManagers& relations() { return *relations_; }
  StringMatcher& matcher() { return matcher_; }
  // The steps taken so far, by name, in order (read by tests).
  const QStringList& steps() const { return steps_; }

 private:
  Platform& platform_;
  QString settingsFile_;
  std::unique_ptr<QtSpanish> qtSpanish_;
  std::shared_ptr<FileLayer> layer_;
  std::unique_ptr<FileManagers> files_;
  std::unique_ptr<RelationManagers> relations_;
  StringMatcher matcher_;
  KalEscpManagerClass escp_;
  bool switchedDragOff_ = false;
  bool started_ = false;
  QStringList steps_;
};

// Runs the whole life of the program: start-up, the main frame (which returns
// when the user closes it), shut-down. The exit code is always 0.
int runProgram(Platform& platform, const std::function<void(Program&)>& mainFrame);

}  // namespace bv
