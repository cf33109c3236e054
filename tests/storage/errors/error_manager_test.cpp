#include "storage/errors/error_manager.h"

#include "runtime/date_time.h"
#include "runtime/halt.h"
#include "runtime/scripted_presenter.h"
#include "storage/errors/message_block.h"
#include "storage/errors/standard_messages.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace bv;

namespace {

class ErrorManagerTest : public testing::Test {
 protected:
  ErrorManagerTest() : scope_(script) {
    manager.loadTable(standardMessageBlock());
    clearRuntimeError();
  }
  ~ErrorManagerTest() override { clearRuntimeError(); }

  const MessageBox& lastBox() const { return script.shown().back(); }

  ScriptedPresenter script;
  ErrorManager manager;
  HaltRecorder halts;

 private:
  PresenterScope scope_;
};

}  // namespace

TEST_F(ErrorManagerTest, DuplicateKeyNamesTheKey) {
  EXPECT_EQ(manager.raiseWithMessage(13, "Por Codigo"), 5);
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(lastBox().title(), "Error Clave Duplicada");
  EXPECT_EQ(lastBox().text(),
            "Agregar este registro crea una clave duplicada para la clave: Por Codigo");
  EXPECT_EQ(lastBox().icon(), MessageIcon::Information);
  EXPECT_EQ(lastBox().buttons(), QList<MessageButton>({{"Aceptar", 1}}));
}

TEST_F(ErrorManagerTest, QuestionResults) {
  script.answer("&NO");
  EXPECT_EQ(manager.raise(9), 4);
  script.answer("&SI");
  EXPECT_EQ(manager.raise(9), 0);
  script.answer(64);  // closed some other way: declined
  EXPECT_EQ(manager.raise(35), 4);
  const MessageBox& box = script.shown().front();
  EXPECT_EQ(box.title(), "Confirmar Borrado");
  EXPECT_EQ(box.icon(), MessageIcon::Exclamation);
  ASSERT_EQ(box.buttons().size(), 2);
  EXPECT_EQ(box.defaultButton().caption, "&SI");
  EXPECT_FALSE(halts.halted());
}

TEST_F(ErrorManagerTest, FatalLevelsShowThenHalt) {
  manager.setFileName("Basicos.tps   ");
  setRuntimeError(2, "Archivo no encontrado");
  EXPECT_EQ(manager.raise(23), 3);
  EXPECT_EQ(lastBox().text(),
            "Archivo (Basicos.tps) no pudo ser abierto.  Error: Archivo no encontrado (2)."
            "  Press OK to end this application");
  EXPECT_EQ(lastBox().icon(), MessageIcon::Information);
  EXPECT_EQ(lastBox().defaultButton().caption, "Aceptar");
  EXPECT_EQ(halts.texts(), QStringList({"Error de Acceso"}));

  EXPECT_EQ(manager.raise(39), 3);  // program error: as fatal
  EXPECT_EQ(halts.texts().last(), "Error de Uso");

  manager.loadTable(packMessageBlock({{50, 7, "Nivel siete", "x", {}}, {51, 0, "Nada", "y", {}}}));
  EXPECT_EQ(manager.raise(50), 3);
  EXPECT_EQ(halts.texts().size(), 3);
  const auto shown = script.shown().size();
  EXPECT_EQ(manager.raise(51), 0);  // benign: nothing shown
  EXPECT_EQ(script.shown().size(), shown);
}

TEST_F(ErrorManagerTest, UndefinedNumberIsANotice) {
  EXPECT_EQ(manager.raise(29), 5);
  EXPECT_EQ(lastBox().title(), "Error");
  EXPECT_EQ(lastBox().text(), "Mensaje no definido: 29");
}

TEST_F(ErrorManagerTest, ErrorIsCapturedFromTheRaisingContext) {
  manager.setFileName("Formulas.tps");
  setRuntimeError(90, "Error de archivo", "28", "No queda espacio");
  const ContextId other = ExecutionContext::create();
  {
    ContextGuard guard(other);
    setRuntimeError(5, "Acceso denegado");
    manager.raise(11);
    EXPECT_EQ(lastBox().text(),
              "Un error (Acceso denegado (5)) fue experimentado al borrar del Archivo "
              "Formulas.tps .");
  }
  manager.raise(19);
  EXPECT_EQ(lastBox().text(),
            "Archivo Formulas.tps no pudo cargarse.  Error: No queda espacio (28).");
  EXPECT_EQ(manager.capturedError().fileCode, "28");
}

TEST_F(ErrorManagerTest, LastLoadedWinsWithPreviousAndCategory) {
  manager.loadTable(packMessageBlock({{13, 5, "Clave repetida", "%Previous [%Category]", {}}}),
                    "PRD");
  manager.raiseWithMessage(13, "%File");
  EXPECT_EQ(lastBox().title(), "Clave repetida");
  EXPECT_EQ(lastBox().text(),
            "Agregar este registro crea una clave duplicada para la clave: %File [PRD]");
  EXPECT_EQ(manager.substitute("%category"), "PRD");
  manager.raise(22);
  EXPECT_EQ(manager.substitute("%Category/%Previous"), "ABC/");
  manager.setDefaultCategory("GEN");
  EXPECT_EQ(manager.substitute("%Category"), "GEN");
}

TEST_F(ErrorManagerTest, FieldAndMessageTextsAreLimited) {
  manager.setFieldText(QString(300, u'f'));
  EXPECT_EQ(manager.fieldText().size(), ErrorManager::kTextLimit);
  manager.raiseWithMessage(24, QString(300, u'm'));
  EXPECT_EQ(manager.messageText().size(), ErrorManager::kTextLimit);
}

TEST_F(ErrorManagerTest, ProcedureNamesArePerContext) {
  EXPECT_EQ(manager.substitute("[%Procedure]"), "[]");
  manager.setProcedureName("Principal");
  const ContextId window = ExecutionContext::create();
  {
    ContextGuard guard(window);
    EXPECT_EQ(manager.procedureName(), "");
    manager.setProcedureName("BrowseBasicos");
    manager.setProcedureName("UpdateBasicos");
    EXPECT_EQ(manager.substitute("%Procedure"), "UpdateBasicos");
    manager.removeProcedureName("BrowseBasicos");
    EXPECT_EQ(manager.procedureName(), "UpdateBasicos");
    manager.removeProcedureName();
    EXPECT_EQ(manager.procedureName(), "");
  }
  EXPECT_EQ(manager.procedureName(), "Principal");
  manager.removeProcedureName();
  manager.removeProcedureName();  // nothing left: no effect
  EXPECT_EQ(manager.procedureName(), "");
}

TEST_F(ErrorManagerTest, LogIsWrittenOnlyWhenSwitchedOn) {
  QTemporaryDir dir;
  const QString path = dir.filePath("ABCError.Log");
  manager.setLogFileName(path);
  manager.raise(22);
  EXPECT_FALSE(QFile::exists(path));

  Clock::fix(Date::fromYmd(2024, 3, 9), Time::fromHms(14, 5, 7));
  manager.setLogging(true);
  manager.raise(22);
  manager.raise(12);
  Clock::clear();
  QFile log(path);
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  EXPECT_EQ(log.readAll(),
            "09/03/2024@14:05:07 --> No hay registros disponibles para procesar.\r\n"
            "09/03/2024@14:05:07 --> Esta Ficha no puede ser usada para Borrar un registro\r\n");
}

TEST_F(ErrorManagerTest, SilentShowsNothing) {
  manager.setSilent(true);
  EXPECT_EQ(manager.raise(9), 4);
  EXPECT_EQ(manager.raise(22), 5);
  EXPECT_EQ(manager.raise(10), 3);
  EXPECT_TRUE(script.shown().empty());
  EXPECT_TRUE(halts.halted());
}

TEST(ErrorManagerInstance, HasTheStandardTable) {
  EXPECT_EQ(&ErrorManager::instance(), &ErrorManager::instance());
  EXPECT_EQ(ErrorManager::instance().entry(40)->title, "Error al Abrir Vista");
}
