#include "runtime/platform.h"
#include "shell/program.h"
#include "shell/qt_translation.h"
#include "storage/filelayer/file_layer.h"
#include "storage/managers/file_managers.h"
#include "storage/settings/settings.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace bv;

namespace {
struct InTempDir {
  QTemporaryDir dir;
  QString previous = QDir::currentPath();
  InTempDir() { QDir::setCurrent(dir.path()); }
  ~InTempDir() { QDir::setCurrent(previous); }
};
}  // namespace

TEST(Program, StartsAndStopsInOrderAroundTheFrame) {
  InTempDir tmp;
  FakePlatform platform(false);
  QStringList seenByFrame;
  runProgram(platform, [&](Program& p) {
    seenByFrame = p.steps();
    EXPECT_TRUE(p.escp().initialised());
    EXPECT_EQ(p.escp().defaults().size(), 24);
    EXPECT_EQ(StringMatcher::programMatcher(), &p.matcher());
    EXPECT_TRUE(p.matcher().option(1));
    EXPECT_FALSE(p.matcher().option(2));
  });
  EXPECT_EQ(seenByFrame, (QStringList{"errores", "diccionario", "comparador", "configuracion",
                                      "escp", "arrastre"}));
  EXPECT_EQ(StringMatcher::programMatcher(), nullptr);
  // A missing settings file did not stop start-up, and shut-down wrote it.
  EXPECT_TRUE(QFile::exists(tmp.dir.filePath("bravent.INI")));
}

TEST(Program, TheLabelWorkFileIsKeptInTheStationsOwnFolder) {
  QStandardPaths::setTestModeEnabled(true);
  InTempDir tmp;
  FakePlatform platform(false);
  QString station;
  QString data;
  runProgram(platform, [&](Program& p) {
    station = p.files().layer().stationDirectory();
    data = p.files().layer().dataDirectory();
  });
  QStandardPaths::setTestModeEnabled(false);
  EXPECT_FALSE(station.isEmpty());
  EXPECT_NE(QDir(station).absolutePath(), QDir(data).absolutePath());
  EXPECT_TRUE(QDir(station).exists());
}

TEST(Program, FullWindowDraggingOffForTheRunOnlyWhenItWasOn) {
  InTempDir tmp;
  FakePlatform on(true);
  runProgram(on, [&](Program&) { EXPECT_FALSE(on.dragFullWindows()); });
  EXPECT_TRUE(on.dragFullWindows());
  EXPECT_EQ(on.writes(), 2);

  FakePlatform off(false);
  runProgram(off, [&](Program&) {});
  EXPECT_FALSE(off.dragFullWindows());
  EXPECT_EQ(off.writes(), 0);
}

TEST(Program, StartUpPutsQtsOwnTextsIntoSpanishAndLeavesTheSystemsAsWritten) {
  if (!QFile::exists(QtSpanish::fileName()))
    GTEST_SKIP() << "Qt's Spanish translation is not installed: " << QtSpanish::fileName().toStdString();
  InTempDir tmp;
  FakePlatform platform(false);
  const auto cancelText = [] {
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    return buttons.button(QDialogButtonBox::Cancel)->text().remove(u'&');
  };
  const auto entryMenu = [] {
    QLineEdit entry;
    const std::unique_ptr<QMenu> menu(entry.createStandardContextMenu());
    QStringList texts;
    for (QAction* a : menu->actions())
      if (!a->isSeparator()) texts << a->text();
    return texts;
  };
  QString duringRun;
  QStringList menuDuringRun;
  runProgram(platform, [&](Program&) {
    duringRun = cancelText();
    menuDuringRun = entryMenu();
  });
  EXPECT_EQ(duringRun, QStringLiteral("Cancelar"));
  EXPECT_TRUE(menuDuringRun.join(u' ').contains(QStringLiteral("Deshacer"))) << menuDuringRun.join(u',').toStdString();
  // Shut-down takes the translation out again.
  EXPECT_EQ(cancelText(), QStringLiteral("Cancel"));
}
