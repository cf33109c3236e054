#include "shell/frame/menu_tree.h"

namespace bv {
namespace {

using C = MenuCommand;

MenuEntry separator() { return {}; }

MenuEntry start(const char* text, const char* name, const char* procedure, bool restricted = false,
                const char* tip = "") {
  return {QString::fromUtf8(text), QString::fromUtf8(name), C::Procedure, QString::fromUtf8(procedure),
          QString::fromUtf8(tip), restricted};
}

MenuEntry command(const char* text, const char* name, C what, const char* tip = "") {
  return {QString::fromUtf8(text), QString::fromUtf8(name), what, {}, QString::fromUtf8(tip)};
}

MenuEntry parameters(const char* text, const char* name, const QString& procedure) {
  return {QString::fromUtf8(text), QString::fromUtf8(name), C::Parameters, procedure, {}};
}

QList<MenuDef> build() {
  const char* tileTip = "Make all open windows visible";
  return {
      {QStringLiteral("&Archivo"), QStringLiteral("?FILE"),
       {command("&Seteo de impresoras", "?PRINTSETUP", C::PrintSetup, "Setup printer"),
        separator(),
        parameters("Parametros Generales", "?ARCHIVOPARAMETROSGENERALES", procedure_names::kParametros),
        start("Exportar Fórmulas a Excel", "?AYUDAGENERARPLANILLA", "GeneraPlanilla", true),
        start("Importar Fórmulas de Excel", "?AYUDAIMPORTARFORMULASDEEXCELL", "ImportarPlanilla", true),
        separator(),
        start("Crear Actualización", "?ARCHIVOACTUALIZACIÓN", "Actualizar", true,
              "Back Up de la Base de Datos"),
        command("S&alida del sistema", "?ABORT", C::Exit)}},
      {QStringLiteral("&Editar"), QStringLiteral("?EDIT"),
       {command("C&ortar", "?CUT", C::Cut),
        command("&Copiar", "?COPY", C::Copy, "Copy item to Windows Clipboard"),
        command("&Pegar", "?PASTE", C::Paste, "Paste contents of Windows Clipboard")}},
      {QStringLiteral("&Tablas maestras"), QStringLiteral("?BROWSE"),
       {parameters("&Impuestos", "?TABLASMAESTRASIMPUESTOS", procedure_names::kImpuestos),
        start("Clientes", "?BROWSECLIENTES", "BrowseClientes"),
        start("Tipos de Clientes", "?BROWSETIPOCLI", "BrowseTipoCli"),
        separator(),
        start("Productos Básicos ", "?BROWSEBASICOS", "BrowseBasicos"),
        start("Productos Terminados", "?BROWSETERMINADO", "BrowseTerminado"),
        start("Fórmulas de Producción", "?PRODUCCIÓNFORMULASDEPRODUCCION", "BrowseFormulas"),
        separator(),
        start("Cartas", "?BROWSECARTA", "BrowseCarta"),
        start("Líneas ", "?BROWSELINEA", "BrowseLinea"),
        start("Marcas", "?BROWSEMARCA", "BrowseMarca"),
        start("Relación", "?TABLASMAESTRASRELACION", "BrowRel"),
        separator()}},
      {QStringLiteral("Producción"), QStringLiteral("?PRODUCCIÓN"),
       {start("Cotizaciones del Dólar", "?BROWSEDOLAR", "BrowseDolar"),
        start("Listado de Formulas de Producción", "?LISTADO", "ListadoFormulas", true),
        start("Listado de Productos Terminados", "?LISTADO1", "ListadoTerminados", true),
        start("Copiar formulas de una linea a otra", "?COPIADO1", "CopiaFormulas", true),
        separator(),
        {QStringLiteral("Nueva Producción"), QStringLiteral("?PRODUCCIÓNNUEVAPRODUCCIÓN"),
         C::NewProduction, procedure_names::kNuevaProduccion, {}},
        start("Producciones realizadas", "?PRODUCCIÓNPRODUCCIONES", "BrowseProduccion"),
        start("Imprimir Etiquetas", "?PRODUCCIÓNIMPRIMIRETIQUETAS", "ImprimirEtiquetas"),
        start("Ingreso de Productos Básicos", "?PRODUCCIÓNINGRESODEPRODUCTOSBÁSICOS", "Compras")}},
      {QStringLiteral("&Ventanas"), QStringLiteral("?WINDOW"),
       {command("&Cascada", "?CASCADE", C::Cascade, "Stack all open windows"),
        command("Mosaico &Horizontal", "?TILEHORIZONTAL", C::TileHorizontal, tileTip),
        command("Mosaico &Vertical", "?TILEVERTICAL", C::TileVertical, tileTip),
        command("&Ordenar Íconos", "?ARRANGE", C::ArrangeIcons, "Align all window icons")}},
      {QStringLiteral("&Ayuda"), QStringLiteral("?HELP"),
       {command("&Acerca de...", "?ABOUT", C::About)}},
  };
}

}  // namespace

const QList<MenuDef>& frameMenus() {
  static const QList<MenuDef> menus = build();
  return menus;
}

}  // namespace bv
