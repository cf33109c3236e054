// The update archive and the system version: the archiver's commands, the
// archiver itself (pkzip), the raise of the version, and the window
// "Versión del Sistema" with an archiver run that succeeds or fails.
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

#include "exchange/exchange_procedures.h"
#include "exchange/update_archive.h"
#include "exchange/version_update.h"
#include "shell/request_codes.h"
#include "storage/dictionary/dictionary.h"
#include "runtime/date_time.h"
#include "shell/procedure_launcher.h"
#include "shell/procedure_registry.h"
#include "tests/exchange/exchange_fixture.h"
#include "tests/kalrep/kalrep_test_support.h"
#include "tools/pkzip/archive_update.h"

namespace bv::test {
namespace {

using namespace Qt::StringLiterals;

const QString kPkzip = QStringLiteral(BRAVENT_BIN_DIR "/pkzip");

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
  f.write(bytes);
}

// The entries of a zip archive as the standard zip reader of python lists
// them; nullopt without python.
std::optional<QStringList> zipEntries(const QString& archive) {
  const QString python = QStandardPaths::findExecutable(u"python3"_s);
  if (python.isEmpty()) return std::nullopt;
  QProcess p;
  p.start(python, {u"-c"_s, u"import sys, zipfile\nz = zipfile.ZipFile(sys.argv[1])\n"
                            "assert z.testzip() is None\nprint('\\n'.join(z.namelist()))"_s,
                   archive});
  p.waitForFinished(60000);
  if (p.exitCode() != 0) return QStringList{u"<unreadable>"_s};
  return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

TEST(UpdateArchive, ThreeCommandsInOrder) {
  const auto commands = archiveCommands(u"/opt/bravent/bin"_s);
  ASSERT_EQ(commands.size(), 3u);
  for (const ArchiveCommand& c : commands)
    EXPECT_TRUE(c.text().startsWith(u"pkzip -add=update Actualizacion_Vantora_System "_s)) << c.text().toStdString();
  EXPECT_EQ(commands[0].text(), u"pkzip -add=update Actualizacion_Vantora_System *.TPS"_s);
#ifndef Q_OS_WIN
  EXPECT_EQ(commands[2].arguments.last(), u"/opt/bravent/bin/bravent"_s);
#endif
}

TEST(Pkzip, MatchesWithoutRegardToCaseAndAddsOrReplaces) {
  QTemporaryDir dir;
  const QDir d(dir.path());
  writeFile(d.filePath(u"Basicos.tps"_s), "uno");
  writeFile(d.filePath(u"LINEA.TPS"_s), "dos");
  writeFile(d.filePath(u"otro.txt"_s), "x");
  ASSERT_TRUE(d.mkdir(u"lib"_s));
  writeFile(d.filePath(u"lib/libx.so"_s), "lib");

  EXPECT_EQ(pkzip::archiveName(u"Actualizacion"_s), u"Actualizacion.zip"_s);
  EXPECT_EQ(pkzip::archiveName(u"a.ZIP"_s), u"a.ZIP"_s);
  const QString archive = d.filePath(u"a.zip"_s);
  QStringList names;
  for (const QString& f : pkzip::matchingFiles(u"*.TPS"_s, dir.path(), archive)) names << QFileInfo(f).fileName();
  EXPECT_EQ(names, QStringList({u"Basicos.tps"_s, u"LINEA.TPS"_s}));
  EXPECT_EQ(pkzip::matchingFiles(u"lib/*.so"_s, dir.path(), archive).size(), 1);
  writeFile(archive, "");
  EXPECT_TRUE(pkzip::matchingFiles(u"*.zip"_s, dir.path(), archive).isEmpty());  // never itself
  QFile::remove(archive);

  auto result = pkzip::updateArchive(archive, pkzip::matchingFiles(u"*.tps"_s, dir.path(), archive));
  ASSERT_TRUE(result.done) << result.error.toStdString();
  writeFile(d.filePath(u"LINEA.TPS"_s), "dos, cambiado");
  result = pkzip::updateArchive(archive, pkzip::matchingFiles(u"linea.tps"_s, dir.path(), archive));
  ASSERT_TRUE(result.done);
  const auto entries = zipEntries(archive);
  if (!entries) GTEST_SKIP() << "no python3";
  EXPECT_EQ(*entries, QStringList({u"Basicos.tps"_s, u"LINEA.TPS"_s}));  // replaced, not doubled
}

TEST(Pkzip, TheProgramAnswersItsStatus) {
  QTemporaryDir dir;
  writeFile(QDir(dir.path()).filePath(u"Basicos.tps"_s), "uno");
  const auto run = [&](const QStringList& args) {
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.start(kPkzip, args);
    p.waitForFinished(30000);
    return p.exitCode();
  };
  EXPECT_EQ(run({u"-add=update"_s, u"Arch"_s, u"*.TPS"_s}), 0);
  EXPECT_TRUE(QFile::exists(QDir(dir.path()).filePath(u"Arch.zip"_s)));
  EXPECT_EQ(run({u"-add=update"_s, u"Arch"_s, u"*.nada"_s}), 0);  // nothing to add
  EXPECT_EQ(run({u"-borrar"_s, u"Arch"_s, u"*.TPS"_s}), 2);
  QDir(dir.path()).mkdir(u"Dir.zip"_s);
  EXPECT_EQ(run({u"-add=update"_s, u"Dir.zip"_s, u"*.TPS"_s}), 1);  // cannot be written
}

TEST(UpdateArchive, AFailedCommandStopsTheRunAndIsNamed) {
  QTemporaryDir dir;
  const QString never = QStandardPaths::findExecutable(u"false"_s);
  if (never.isEmpty()) GTEST_SKIP() << "no false";
  const ArchiveRun run = runArchiveCommands(archiveCommands(dir.path()), dir.path(), never);
  EXPECT_FALSE(run.done);
  EXPECT_EQ(run.failedCommand, u"pkzip -add=update Actualizacion_Vantora_System *.TPS"_s);
  EXPECT_EQ(archiveFailureText(run),
            u"No se pudo crear la actualización|El comando \"pkzip -add=update Actualizacion_Vantora_System *.TPS\" "
            "terminó con el código 1.|La versión del sistema no cambió."_s);
  EXPECT_FALSE(runArchiveCommands(archiveCommands(dir.path()), dir.path(), dir.filePath(u"no-hay"_s)).done);
}

class VersionWindowTest : public ExchangeTest {
 protected:
  VersionWindowTest() : previous_(QDir::currentPath()) {
    Clock::fix(Date::fromYmd(2026, 3, 9));
    QDir::setCurrent(dir.path());
  }
  ~VersionWindowTest() override {
    QDir::setCurrent(previous_);
    Clock::clear();
  }

  void version(int number) {
    put("Versiones", [&](Record& r) {
      r.setDecimal("VER:VERSION", Decimal(number));
      r.setDate("VER:FECHA", Date::fromYmd(2020, 1, 1));
    });
  }
  std::vector<Record> versions() { return rows("Versiones"); }
  QWidget* open() {
    area.show();
    EXPECT_NE(launcher.start(u"Actualizar"_s), 0u);
    return area.subWindowList().isEmpty() ? nullptr : area.subWindowList().front()->widget();
  }
  void settle() {
    for (int i = 0; i < 5; ++i) {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QCoreApplication::processEvents();
    }
  }

  ProcedureRegistry registry = [this] {
    ProcedureRegistry r;
    registerExchangeProcedures(r, relations);
    return r;
  }();
  QMdiArea area;
  ProcedureLauncher launcher{registry, &area};

 private:
  QString previous_;
};

TEST_F(VersionWindowTest, ActualizarArchivesEverythingThenRaisesTheVersion) {
  version(7);
  QWidget* window = open();
  ASSERT_TRUE(window);
  EXPECT_EQ(window->windowTitle(), u"Nueva Versión del Sistema"_s);
  auto* ok = window->findChild<QPushButton*>(u"?OK"_s);
  ASSERT_TRUE(ok);
  EXPECT_EQ(ok->text(), u"Actualizar"_s);
  ok->click();
  settle();
  EXPECT_TRUE(area.subWindowList().isEmpty());
  const auto stored = versions();
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].decimal("VER:VERSION"), Decimal(8));
  EXPECT_EQ(stored[0].date("VER:FECHA"), Date::fromYmd(2026, 3, 9));

  const auto entries = zipEntries(path(u"Actualizacion_Vantora_System.zip"_s));
  if (!entries) GTEST_SKIP() << "no python3";
  for (const QString& data : QDir(dir.path()).entryList({u"*.tps"_s, u"*.TPS"_s}, QDir::Files))
    EXPECT_TRUE(entries->contains(data)) << data.toStdString();
  EXPECT_TRUE(entries->contains(u"VERSIONE.TPS"_s));
  if (QFile::exists(QStringLiteral(BRAVENT_BIN_DIR "/bravent"))) EXPECT_TRUE(entries->contains(u"bravent"_s));
}

TEST_F(VersionWindowTest, AFailedArchiverRunLeavesTheVersionAndSaysWhichCommand) {
  version(7);
  // The archive cannot be written where a folder has its name.
  ASSERT_TRUE(QDir(dir.path()).mkdir(u"Actualizacion_Vantora_System.zip"_s));
  QWidget* window = open();
  ASSERT_TRUE(window);
  window->findChild<QPushButton*>(u"?OK"_s)->click();
  settle();
  EXPECT_EQ(area.subWindowList().size(), 1);  // the form stays open
  ASSERT_FALSE(messages.shown().empty());
  EXPECT_EQ(messages.shown().back().title(), u"Crear Actualización"_s);
  EXPECT_TRUE(messages.shown().back().text().contains(u"*.TPS"_s));
  EXPECT_EQ(versions()[0].decimal("VER:VERSION"), Decimal(7));

  window->findChild<QPushButton*>(u"?Cancel"_s)->click();
  settle();
  EXPECT_TRUE(area.subWindowList().isEmpty());
  EXPECT_EQ(versions()[0].decimal("VER:VERSION"), Decimal(7));
}

TEST_F(VersionWindowTest, AnEmptyFileIsAddedToAndCancelRunsNothing) {
  QWidget* window = open();
  ASSERT_TRUE(window);
  EXPECT_EQ(window->windowTitle(), u"Agregando..."_s);
  window->findChild<QPushButton*>(u"?Cancel"_s)->click();
  settle();
  EXPECT_TRUE(versions().empty());
  EXPECT_FALSE(QFile::exists(path(u"Actualizacion_Vantora_System.zip"_s)));

  EXPECT_EQ(versionRequest(false), kInsertRecord);
  EXPECT_EQ(versionRequest(true), kChangeRecord);
  Record r(*Dictionary::instance().table(u"Versiones"));
  r.setDecimal("VER:VERSION", Decimal(41));
  raiseVersion(r, Date::fromYmd(2026, 1, 2));
  EXPECT_EQ(r.decimal("VER:VERSION"), Decimal(42));
  EXPECT_EQ(r.date("VER:FECHA"), Date::fromYmd(2026, 1, 2));
}

}  // namespace
}  // namespace bv::test
