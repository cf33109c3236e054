#pragma once
// The main frame's menu as data: every entry's text, control name, tip and what
// it does. The frame builds its menu bar from this tree.
#include <QList>
#include <QString>

namespace bv {

enum class MenuCommand {
  Separator,
  Procedure,       // starts `procedure` in a new execution context
  Parameters,      // sets Glo:AccionParametros, then starts `procedure`
  NewProduction,   // sets Glo:NuevaProduccion, then starts `procedure`
  PrintSetup,
  Exit,
  Cut,
  Copy,
  Paste,
  Cascade,
  TileHorizontal,
  TileVertical,
  ArrangeIcons,
  About,
};

struct MenuEntry {
  QString text;
  QString name;  // control name ("?BROWSEBASICOS")
  MenuCommand command = MenuCommand::Separator;
  QString procedure;  // Procedure, Parameters, NewProduction
  QString tip;
  bool restricted = false;  // shown only when Glo:ModificaFormulas is "S"
};

struct MenuDef {
  QString text;
  QString name;
  QList<MenuEntry> entries;
};

// The frame's menus, left to right.
const QList<MenuDef>& frameMenus();

// The procedure names the menu starts, for the subsystems that register them.
namespace procedure_names {
inline const QString kParametros = QStringLiteral("Parametros");
inline const QString kImpuestos = QStringLiteral("Impuestos");
inline const QString kNuevaProduccion = QStringLiteral("UpdateProduc01");
}  // namespace procedure_names

}  // namespace bv
