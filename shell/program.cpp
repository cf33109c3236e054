#include "shell/program.h"

#include "runtime/message_presenter.h"
#include "shell/escp_defaults.h"
#include "shell/qt_translation.h"
#include "storage/dictionary/dictionary.h"
#include "storage/errors/error_manager.h"
#include "storage/filelayer/file_layer.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"
#include "storage/settings/settings.h"

#include <QDir>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QVersionNumber>

namespace bv {

QString Program::stationDirectory() {
  // The label work file belongs to the station, not to the shared data: it is
  // kept in the station's own application-data folder, which a standard user
  // may write; where none can be made it stays beside the data.
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  if (folder.isEmpty() || !QDir().mkpath(folder)) return {};
  return folder;
}

Program::Program(Platform& platform, QString settingsFile)
    : platform_(platform), settingsFile_(std::move(settingsFile)) {}

Program::~Program() {
  if (started_) shutDown();
}

bool Program::runtimeAcceptsBuild() {
  // The Qt libraries loaded must be at least the version the program was built with.
  return QLibraryInfo::version() >= QVersionNumber(QT_VERSION_MAJOR, QT_VERSION_MINOR);
}

void Program::startUp() {
  qtSpanish_ = std::make_unique<QtSpanish>();
  ErrorManager::instance();  // loads the built-in message table
  steps_ << QStringLiteral("errores");
  Dictionary::instance();
  // Data files are not opened here: each window opens the ones it needs.
  layer_ = FileLayer::forDirectory(QDir::currentPath(), stationDirectory());
  files_ = std::make_unique<FileManagers>(*layer_);
  relations_ = std::make_unique<RelationManagers>(*files_);
  steps_ << QStringLiteral("diccionario");

  matcher_.setOption(1, true);
  matcher_.setOption(2, false);
  StringMatcher::setProgramMatcher(&matcher_);
  steps_ << QStringLiteral("comparador");

  // A settings file that cannot be read is reported by the settings object
  // itself; start-up goes on to the main frame in any case.
  Settings::global().open(settingsFile_);
  steps_ << QStringLiteral("configuracion");

  escp_.SETDEFAULTESCP(defaultEscpCodes());
  escp_.INIT();
  steps_ << QStringLiteral("escp");

  if (platform_.dragFullWindows()) {
    platform_.setDragFullWindows(false);
    switchedDragOff_ = true;
  }
  steps_ << QStringLiteral("arrastre");
  started_ = true;
}

void Program::shutDown() {
  if (!started_) return;
  started_ = false;
  Settings::global().flush();
  steps_ << QStringLiteral("guardar configuracion");
  if (switchedDragOff_) {
    platform_.setDragFullWindows(true);
    switchedDragOff_ = false;
  }
  steps_ << QStringLiteral("restaurar arrastre");
  Settings::global().close();
  StringMatcher::setProgramMatcher(nullptr);
  relations_.reset();
  files_.reset();  // closes what is still open
  layer_.reset();
  qtSpanish_.reset();
  steps_ << QStringLiteral("liberar");
}

int runProgram(Platform& platform, const std::function<void(Program&)>& mainFrame) {
  if (!Program::runtimeAcceptsBuild()) return 0;
  Program program(platform);
  program.startUp();
  mainFrame(program);
  program.shutDown();
  return 0;
}

}  // namespace bv
