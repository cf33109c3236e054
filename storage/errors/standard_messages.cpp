#include "storage/errors/standard_messages.h"

#include "storage/errors/message_block.h"

namespace bv {
namespace {

struct SourceEntry {
  std::uint16_t number;
  std::uint8_t level;
  const char* title;  // UTF-8
  const char* text;   // UTF-8
};

// The program's messages. There is no 29; 41 is raised by the list screens when a
// query value cannot be evaluated.
constexpr SourceEntry kMessages[] = {
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

QList<MessageEntry> standardMessages() {
  QList<MessageEntry> entries;
  for (const SourceEntry& s : kMessages)
    entries.append({s.number, s.level, QString::fromUtf8(s.title), QString::fromUtf8(s.text), {}});
  return entries;
}

const QByteArray& standardMessageBlock() {
  static const QByteArray block = packMessageBlock(standardMessages());
  return block;
}

}  // namespace bv
