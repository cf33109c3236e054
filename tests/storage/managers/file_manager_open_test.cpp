// Opening, use and closing of a table's file; the registry.
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

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
  EXPECT_FALSE(tableStored(dir.path(), "Basicos.tps"));
  EXPECT_EQ(bas.open(), 0);
  EXPECT_EQ(bas.openCount(), 2);

  // The first read opens it, creating the missing file.
  EXPECT_EQ(bas.next(), 5);
  EXPECT_TRUE(bas.endOfFile());
  EXPECT_TRUE(bas.isOpen());
  EXPECT_TRUE(tableStored(dir.path(), "Basicos.tps"));
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
  auto layer = std::make_shared<InjectingLayer>(makeTestLayer({dir.path(), dir.path()}));
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

// The first leaf page of a table's records, read from the file itself.
int firstRecordLeaf(const QString& file) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* s = nullptr;
  sqlite3_prepare_v2(db, "SELECT rootpage FROM sqlite_schema WHERE name = 'Basicos'", -1, &s, nullptr);
  const int root = sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int(s, 0) : 0;
  sqlite3_finalize(s);
  sqlite3_close(db);
  QFile f(file);
  f.open(QIODevice::ReadOnly);
  f.seek((root - 1) * 4096);
  const QByteArray page = f.read(4096);
  if (static_cast<unsigned char>(page[0]) != 0x05) return 0;  // the table fits one page
  const int cell = (static_cast<unsigned char>(page[12]) << 8) | static_cast<unsigned char>(page[13]);
  int leaf = 0;
  for (int i = 0; i < 4; ++i) leaf = (leaf << 8) | static_cast<unsigned char>(page[cell + i]);
  return leaf;
}

TEST_F(OpenTest, ARepairThatCopiesTheRecordsTellsWhatItKeptAndLost) {
  {
    Station writer(dir.path(), errors);
    FileManager& bas = writer.managers["Basicos"];
    ASSERT_EQ(bas.open(), 0);
    for (int i = 0; i < 300; ++i) {
      basico(bas, QString("B%1").arg(i, 4, 10, QChar('0')).toUtf8().constData(), "una descripción bastante larga");
      ASSERT_EQ(bas.insert(), 0);
    }
    bas.close();
  }
  const int leaf = firstRecordLeaf(path("Basicos.tps"));
  ASSERT_GT(leaf, 1);
  {
    QFile f(path("Basicos.tps"));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek((leaf - 1) * 4096);
    f.write(QByteArray(4096, '\x5a'));
  }
  FileManager& bas = managers["Basicos"];
  ASSERT_EQ(bas.open(), 0);
  EXPECT_EQ(bas.next(), 0);
  EXPECT_EQ(titles(), QStringList({"Clave Inválida", "Tabla Reparada"}));
  const QString text = lastBox().text();
  const qint64 kept = bas.file().recordCount();
  EXPECT_GT(kept, 0);
  EXPECT_LT(kept, 300);
  EXPECT_TRUE(text.contains(QString("Registros conservados: %1.").arg(kept))) << text.toStdString();
  EXPECT_TRUE(text.contains(QString("Registros que no pudieron recuperarse: %1.").arg(300 - kept)))
      << text.toStdString();
  EXPECT_TRUE(text.contains("Basicos.tps.damaged")) << text.toStdString();
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
  auto layer = std::make_shared<InjectingLayer>(makeTestLayer({dir.path(), dir.path()}));
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
