#pragma once
// The column-layout object: the page options of a report or export and the
// operations of the layout window on the column list (hide, show, reorder, fit
// to the page, save and load named layouts). The window draws and reads back
// the widths; everything it decides is decided here, so the same rules hold on
// screen and without one.
#include <QStringList>
#include <memory>

#include "kalrep/column_descriptor.h"
#include "kalrep/kal_types.h"
#include "kalrep/layout_store.h"

namespace bv {

class ColumnLayout {
 public:
  kal::ULong KAL_WIDTH = 0;              // paper width, thousandths of an inch
  kal::ULong KAL_HEIGHT = 0;             // paper height, thousandths of an inch
  kal::Byte KAL_TIPO_HOJA_AUX = 0;       // paper position in the paper list (1 to 38)
  QString KAL_JUSTIFICACION;             // "I" left, "C" centre, "D" right
  kal::UShort KAL_ANCHO = 0;             // usable width, millimetres
  kal::Long KAL_FECHA_SI = 0;            // print the date
  kal::Long KAL_HORA_SI = 0;             // print the time
  kal::UShort KAL_PAGINA_SI = 0;         // print the page number
  kal::Byte KAL_COLORES_SI = 0;          // use colours
  QString KAL_HORIZONTAL;                // "V" portrait, "H" landscape
  QString KAL_TITULO;                    // title
  QString ININAME;                       // settings file
  QString INIENTRYNAME;                  // the caller's name
  kal::Byte WITHPAGE = 0;                // page options apply (printer outputs)
  kal::Byte WITHWINDOW = 0;              // show the window in RUN
  ColumnList* MYPICTUREQUEUE = nullptr;  // the column list (the manager's)
  HiddenColumnList MYPICTUREQUEUEOCULTOS;

  // Ties the layout to the manager's names and column list, with an empty
  // hidden-column list.
  void init(const QString& iniName, const QString& entryName, ColumnList& columns, bool withPage);

  // --- page ---
  // The layout step without the window: with page options, the printer's
  // current paper (a paper code) and the largest usable width for the
  // orientation are taken.
  void takePaper(int paperCode);
  // The page options as the window opens: a missing paper is Letter, a missing
  // usable width is the largest, a larger one is lowered to it.
  void preparePage();
  // "max": the largest usable width of the paper and orientation.
  void setLargestWidth();
  // Lowers the usable width to the largest the paper allows.
  void capWidth();
  // The usable width in list units, the width of the window's list.
  long listWidth() const;
  int largestWidth() const;
  // "Aceptar": with page options, refuses (with the message) columns wider than
  // the usable width; then takes the size of the chosen paper.
  bool accept();

  // --- columns ---
  // "Ajustar col. a Max.": fits the visible columns to the usable width or
  // narrows the usable width to them (the messages of the rules are shown).
  // True when a width changed.
  bool fitColumns();
  // "<--" and "-->": swap with the visible neighbour; false at either end.
  bool moveLeft(ColumnDescriptor& column);
  bool moveRight(ColumnDescriptor& column);
  // "Ocultar": refused (with the message) for the only visible column.
  bool hide(ColumnDescriptor& column);
  // "Mostrar": the hidden column of this position becomes the last visible one.
  bool show(int position);
  // The hidden headings, sorted by heading, as "Mostrar" lists them.
  HiddenColumnList hiddenByHeading() const;

  // --- saved layouts ---
  QStringList savedLayoutNames() const;
  // "Guardar": an existing name other than the default layout's is replaced
  // only when the user says so. "|" in a name becomes "_".
  bool saveLayout(const QString& name);
  // "Recuperar": false (nothing changes) when no such layout is stored.
  bool loadLayout(const QString& name);
  // First use for this caller stores the current layout as the default one;
  // from then on the default layout is loaded.
  void applyDefaultLayout();
  // The two halves, for the window: the default layout is loaded before the
  // page is prepared, and stored on first use once the list shows the columns.
  // False when no default layout is stored yet.
  bool loadStoredDefaultLayout();
  void storeDefaultLayout();

 private:
  QChar orientation() const;
  std::vector<ColumnDescriptor*> inPositionOrder() const;
  void rebuildHidden();
  LayoutStore& store();

  std::unique_ptr<LayoutStore> store_;
};

}  // namespace bv
