// Opening, use and closing of a table's file; the registry.
#include <QFile>
#include <QFileInfo>

#include "manager_fixture.h"
#include "injecting_layer.h"

namespace bv::test {
namespace {

using OpenTest = ManagerTest;

TEST_F(OpenTest, RegistryHoldsEveryTableThenTheAliasesInConstructionOrder) {
  QStringList labels;
  for (const auto& m : managers.all()) labels << m->table().label;
  EXPECT_EQ(labels.first(), "Basicos");
  EXPECT_EQ(labels.mid(19),
            QStringList({"Planilla", "A_Formula2", "A_Formula1", "A_Terminado", "A_Basicos"}));
  EXPECT_EQ(managers["a_basicos"].aliasedFile(), &managers["Basicos"]);
  EXPECT_EQ(managers["Planilla"].openMode(), 0x22);
  // Messages name a file by its fixed name, else by the table's label.
  EXPECT_EQ(managers["Basicos"].name(), "Basicos.tps");
  EXPECT_EQ(managers["A_Formula1"].name(), "Formula1.tps");
  EXPECT_EQ(managers["Localidad"].name(), "Localidad");
  EXPECT_EQ(managers["Basicos"].primaryKey(), 3);
  EXPECT_EQ(managers["Formula1"].primaryKey(), 0);
}

TEST_F(OpenTest, MissingFileIsCreatedOnFirstUseAndASecondOpenOnlyCounts) {
  FileManager& bas = managers["Basicos"];
  ASSERT_EQ(bas.open(), 0);
  // Lazy: opening only counts.
  EXPECT_FALSE(bas.isOpen());
  EXPECT_FALSE(QFileInfo::exists(path("Basicos.tps")));
  EXPECT_EQ(bas.open(), 0);
  EXPECT_EQ(bas.openCount(), 2);

  // The first read opens it, creating the missing file.
  EXPECT_EQ(bas.next(), 5);
  EXPECT_TRUE(bas.endOfFile());
  EXPECT_TRUE(bas.isOpen());
  EXPECT_TRUE(QFileInfo::exists(path("Basicos.tps")));
  EXPECT_TRUE(script.shown().empty());

  bas.close();
  EXPECT_TRUE(bas.isOpen());
  bas.close();
  EXPECT_FALSE(bas.isOpen());
  EXPECT_EQ(bas.openCount(), 0);
}

TEST_F(OpenTest, UsingATableNeverOpenedShowsMessage39) {
  FileManager& bas = managers["Basicos"];
  EXPECT_EQ(bas.next(), 3);
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(lastBox().title(), "Error de Uso");
  EXPECT_TRUE(
      lastBox().text().startsWith("Se ha intentado utilizar la tabla (Basicos.tps) antes de estar ABIERTA"));
  EXPECT_TRUE(halts.halted());
  EXPECT_FALSE(bas.isOpen());
}

TEST_F(OpenTest, AFileKeptByAnotherStationOpensReadOnlyWithMessage2) {
  auto other = otherStation();
  FileManager& theirs = other->managers["Planilla"];  // opened to itself (0x22)
  ASSERT_EQ(theirs.open(), 0);
  ASSERT_EQ(theirs.use(), 0);

  FileManager& pla = managers["Planilla"];
  ASSERT_EQ(pla.open(), 0);
  EXPECT_EQ(pla.next(), 5);  // opened, read only, and empty
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(lastBox().title(), "Access Denied");
  EXPECT_EQ(lastBox().text(),
            "No pudo obtener acceso de escritura en Tabla Planilla, intentante Solo-Lectura.");
  EXPECT_TRUE(pla.file().isReadOnly());
  EXPECT_EQ(pla.file().sendOption("Recover"), "10");  // the lock recovery was tried first

  // Writing is refused.
  pla.buffer().setText(1, "X");
  EXPECT_EQ(pla.insert(), 5);
  EXPECT_EQ(lastBox().title(), "Error en Agregar");
  EXPECT_FALSE(halts.halted());
  pla.close();
  theirs.close();
}

TEST_F(OpenTest, AFileWhoseKeysNeedRebuildingIsRebuiltAfterMessage27) {
  auto layer = std::make_shared<InjectingLayer>(FileLayer::createSqlite({dir.path(), dir.path()}));
  FileManagers own(*layer, errors);
  FileManager& bas = own["Basicos"];
  ASSERT_EQ(bas.open(), 0);
  ASSERT_EQ(bas.use(), 0);  // the file exists
  bas.close();
  ASSERT_EQ(bas.open(), 0);
  layer->injections.codes["open"] = {kKeyNeedsRebuild};
  EXPECT_EQ(bas.next(), 5);
  EXPECT_TRUE(bas.isOpen());
  EXPECT_EQ(layer->injections.calls["rebuildKeys"], 1);
  EXPECT_EQ(titles(), QStringList({"Clave Inválida"}));
  EXPECT_EQ(lastBox().text(), "Basicos.tps : Clave inválida. Clave debe ser reconstruida.");
  bas.close();
}

TEST_F(OpenTest, AFileBeyondRepairShowsMessage26) {
  {
    QFile f(path("Basicos.tps"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
  }
  FileManager& bas = managers["Basicos"];
  ASSERT_EQ(bas.open(), 0);
  EXPECT_EQ(bas.next(), 3);
  EXPECT_FALSE(bas.isOpen());
  EXPECT_EQ(titles(), QStringList({"Clave Inválida", "Clave no fue reconstruida"}));
  EXPECT_TRUE(halts.halted());
  bas.close();
}

TEST_F(OpenTest, TryOpenWithoutLazyOpenStoresTheFailureForLater) {
  auto layer = std::make_shared<InjectingLayer>(FileLayer::createSqlite({dir.path(), dir.path()}));
  FileManagers own(*layer, errors);
  FileManager& bas = own["Basicos"];
  bas.setLazyOpen(false);

  layer->injections.codes["open"] = {kKeyNeedsRebuild};
  EXPECT_EQ(bas.tryOpen(), 5);
  EXPECT_EQ(bas.openCount(), 0);
  EXPECT_EQ(bas.errorNumber(), 27);
  EXPECT_EQ(layer->injections.calls["rebuildKeys"], 0);
  EXPECT_TRUE(script.shown().empty());

  // A file that cannot be made: message 10, which ends the program.
  layer->injections.codes["open"] = {kFileNotFound};
  layer->injections.codes["create"] = {kFileSystemError};
  EXPECT_EQ(bas.open(), 3);
  EXPECT_EQ(lastBox().title(), "Error en creación de Tabla");
  EXPECT_EQ(lastBox().text().section("  Press", 0, 0),
            "Error: (No queda espacio en el dispositivo (28)) creando Basicos.tps.");
  EXPECT_TRUE(halts.halted());

  // Any other failure: message 23 with the runtime's text.
  layer->injections.codes["open"] = {kFileSystemError};
  EXPECT_EQ(bas.open(), 3);
  EXPECT_EQ(lastBox().title(), "Error de Acceso");
}

}  // namespace
}  // namespace bv::test
