#include "storage/errors/error_manager.h"
#include "storage/errors/message_block.h"
#include "storage/errors/standard_messages.h"

#include <gtest/gtest.h>

using namespace bv;

namespace {

struct Expected {
  int number;
  int level;
  const char* title;
  const char* text;
};

// The program's message table, typed out again to check the built-in block.
const Expected kExpected[] = {
    {1, 5, "Error de Retribución",
     "Error: (%ErrorText) al intentar acceder al registro de tabla %File .  Regresando a "
     "ventana anterior."},
    {2, 5, "Access Denied",
     "No pudo obtener acceso de escritura en Tabla %File, intentante Solo-Lectura."},
    {3, 1, "Registro Agregado",
     "Este registro fue agregado al archivo. ¿ Desea agregar otro registro?"},
    {4, 5, "Error en Agregar",
     "Un error fue experimentado durante la creación del registro. Error: %ErrorText."},
    {5, 5, "¿Agregar nuevo registro?",
     "Registro no encontrado, ¿desea agregar una nuevo?"},
    {6, 5, "Registro no Actualizado",
     "Este registro fue modificado por otra estación."},
    {7, 5, "Registro no Actualizado",
     "Este registro fue modificado por otra estación. Los cambios serán mostrados ahora. Use "
     "el botón Ditto or Ctrl+' para restaurar sus cambios."},
    {8, 1, "Cambios serán perdidos!",
     "¿Está seguro que desea cancelar?"},
    {9, 1, "Confirmar Borrado",
     "¿ Está seguro que desea eliminar el registro seleccionado?"},
    {10, 3, "Error en creación de Tabla",
     "Error: (%ErrorText) creando %File."},
    {11, 5, "Registro no fue Borrado",
     "Un error (%ErrorText) fue experimentado al borrar del Archivo %File ."},
    {12, 5, "Pedido Inválido",
     "Esta Ficha no puede ser usada para Borrar un registro"},
    {13, 5, "Error Clave Duplicada",
     "Agregar este registro crea una clave duplicada para la clave: %Message"},
    {14, 5, "Error en Contenido de campo",
     "El valor de %Field debe existir en tabla %Message."},
    {15, 5, "Error en Valor",
     "El valor del campo %Field debe estar en esta lista : %Message."},
    {16, 5, "Error de Rango",
     "El valor de %Field debe ser entre %Message."},
    {17, 5, "Error en Rango",
     "El valor de %Field debe ser menor que %Message."},
    {18, 5, "Error de Rango",
     "El valor de %Field debe ser mayor que %Message."},
    {19, 5, "Error Carga Archivo",
     "Archivo %File no pudo cargarse.  Error: %ErrorText."},
    {20, 5, "Pedido Inválido",
     "Esta Ficha no puede ser usada para insertar un registro"},
    {21, 5, "Transacción Cancelada",
     "Error: (%ErrorText) al intentar enmarcar una transacción sobre tabla %File."},
    {22, 5, "No hay Registros",
     "No hay registros disponibles para procesar."},
    {23, 3, "Error de Acceso",
     "Archivo (%File) no pudo ser abierto.  Error: %ErrorText."},
    {24, 5, "Procedimiento no definido",
     "El Procedimiento %Message no fue definido."},
    {25, 5, "Registro no fue Actualizado",
     "Un error (%ErrorText) fue experimentado al realizar cambioses to the %File file."},
    {26, 3, "Clave no fue reconstruida",
     "Error: (%ErrorText) reparando clave para tabla: %File."},
    {27, 5, "Clave Inválida",
     "%File : Clave inválida. Clave debe ser reconstruida."},
    {28, 5, "Registro NO leido",
     "Un registro bloqueado por otra terminal fue encontrado al leer de tabla %File ."},
    {30, 5, "Error de Integridad Referencial (Borrado)",
     "Este registro esta siendo referenciado desde la tabla %File. Este registro no puede ser "
     "eliminado mientras exista esta referencia."},
    {31, 5, "Error de Integridad Referencial (Actualización)",
     "Este registro esta siendo referenciado desde la tabla %File. Los campo(s) linkeado(s) "
     "fueron configurados para que no permitan el cambio (RESTRICT en DCT) y serán vueltos a "
     "su valor original."},
    {32, 1, "Error AutoNumeración",
     "Los intentos para numerar automaticamente han fallado. Error: %ErrorText. ¿ Intentar "
     "nuevamente?"},
    {33, 1, "Error en Borrar Registro",
     "Un error fue experimentado al borrar el registro. ¿Desea intentar borrar nuevamente?"},
    {34, 1, "Error al Actualizar",
     "Un error se ha producido al grabar el registro. ¿Desea intentar grabarlo nuevamente?"},
    {35, 1, "Guardar Registro",
     "¿ Desea guardar los cambios a este registro?"},
    {36, 1, "Comienzo de Archivo",
     "El comienzo del archivo fue encontrado. ¿ Desea comenzar nuevamente desde el final del "
     "archivo?"},
    {37, 1, "Error Fin de Archivo",
     "El fin de Archivo fue encontrado . ¿ Desea comenzar nuevamente desde el comienzo ?"},
    {38, 5, "Pedido Inválido",
     "Esta Ficha no puede ser usada para Actualizar un registro"},
    {39, 2, "Error de Uso",
     "Se ha intentado utilizar la tabla (%File) antes de estar ABIERTA"},
    {40, 5, "Error al Abrir Vista",
     "Error: (%ErrorText) al intentar abrir la vista (VIEW) actual. Filtros y Rangos serán "
     "ignorados."},
    {41, 5, "Error en Consulta",
     "El valor ingresado para %Field no puede ser evaluado: %Message."},
};

}  // namespace

TEST(StandardMessages, BlockHoldsEveryEntryExactly) {
  ErrorManager manager;
  ASSERT_TRUE(manager.loadTable(standardMessageBlock()));
  for (const Expected& x : kExpected) {
    const auto e = manager.entry(x.number);
    ASSERT_TRUE(e) << x.number;
    EXPECT_EQ(e->level, x.level) << x.number;
    EXPECT_EQ(e->title, QString::fromUtf8(x.title)) << x.number;
    EXPECT_EQ(e->text, QString::fromUtf8(x.text)) << x.number;
  }
  EXPECT_EQ(std::size(kExpected), 40u);
  EXPECT_EQ(standardMessages().size(), 40);
  EXPECT_FALSE(manager.entry(29));
  EXPECT_FALSE(manager.entry(42));
}

TEST(MessageBlock, PacksLittleEndianWindows1252) {
  const QByteArray block = packMessageBlock({{0x0102, 5, "Año", "¿x?", {}}});
  EXPECT_EQ(block, QByteArray("\x01\x00\x02\x01\x05\x03"
                              "A\xF1o\x03\xBFx?",
                              13));
  const ParsedMessageBlock parsed = parseMessageBlock(block);
  EXPECT_TRUE(parsed.complete);
  ASSERT_EQ(parsed.entries.size(), 1);
  EXPECT_EQ(parsed.entries[0], (MessageEntry{0x0102, 5, "Año", "¿x?", {}}));
}

TEST(MessageBlock, RoundTripOfTheStandardTable) {
  const ParsedMessageBlock parsed = parseMessageBlock(standardMessageBlock());
  EXPECT_TRUE(parsed.complete);
  EXPECT_EQ(parsed.entries, standardMessages());
}

TEST(MessageBlock, LongTextsAreCutToTheFormat) {
  const QString longText(300, u'x');
  const auto parsed = parseMessageBlock(packMessageBlock({{1, 5, "T", longText, {}}}));
  ASSERT_EQ(parsed.entries.size(), 1);
  EXPECT_EQ(parsed.entries[0].text, longText.left(255));
}

TEST(MessageBlock, TruncatedOrCorruptBlockKeepsTheWholeEntries) {
  const QByteArray block = standardMessageBlock();
  const QList<MessageEntry> all = standardMessages();
  // Every cut of the block: only whole entries, in order, and never complete.
  for (qsizetype cut = 0; cut < block.size(); ++cut) {
    const ParsedMessageBlock parsed = parseMessageBlock(block.left(cut));
    ASSERT_FALSE(parsed.complete) << cut;
    ASSERT_LT(parsed.entries.size(), all.size());
    ASSERT_EQ(parsed.entries, all.mid(0, parsed.entries.size())) << cut;
  }
  // A count larger than the entries that follow.
  QByteArray overCount = block;
  overCount[0] = char(0xFF);
  EXPECT_EQ(parseMessageBlock(overCount).entries.size(), all.size());
  EXPECT_FALSE(parseMessageBlock(overCount).complete);
  // Bytes after the last entry.
  EXPECT_FALSE(parseMessageBlock(block + "zz").complete);
  // A length byte that points past the end.
  const auto bad =
      parseMessageBlock(QByteArray("\x02\x00\x01\x00\x05\x01T\x01x\x02\x00\x05\xF0T", 14));
  EXPECT_EQ(bad.entries.size(), 1);

  ErrorManager manager;
  EXPECT_FALSE(manager.loadTable(block.left(block.size() / 2)));
  EXPECT_TRUE(manager.entry(1));
  EXPECT_FALSE(manager.entry(40));
}
