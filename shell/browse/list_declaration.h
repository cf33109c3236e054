#pragma once
// A list window described by data: its view, its sort orders with their tabs,
// locators and scroll steps, its columns, its buttons and its update form. The
// list window of list_window.h does everything else, so a maintenance list is
// a short declaration plus whatever it does beyond the common behaviour.
#include "shell/behaviour/list_behaviour.h"
#include "shell/browse/column_align.h"
#include "shell/form/form_declaration.h"
#include "shell/values/window_fields.h"
#include "storage/dictionary/field_value.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace bv {

class ListWindow;
class RelationManagers;

// ---- the view --------------------------------------------------------------------

// A further table joined to each record of the primary table: read by its key
// from the linking fields, and left cleared when no record matches (the row
// stays in the list).
struct ListJoin {
  QString table;  // "Marca"
  QString key;    // its key: "MAR:KEYCOD"
  // (primary field, joined field) pairs: {"TER:MARCA", "MAR:CODIGO"}.
  std::vector<std::pair<QString, QString>> links;
};

// Fixes the leading component of the sort key to a value: the list reads only
// the records that hold it ("the products of one line").
struct ListRange {
  QString field;                        // the key's first component: "TER:LINEA"
  std::function<FieldValue()> value;  // read each time the list refills
};

// A value the list computes for each record it reads ("CostoNeto") from the
// row's fields, shown in columns and known by name to filters and to query by
// example. The computation reads the row through `fields` (and may read other
// tables through its managers).
struct ListValue {
  QString name;
  bool number = true;  // a number for filters; else a text
  std::function<FieldValue(const WindowFields& fields)> compute;
};

struct ListView {
  QString table;  // the primary table: "Marca"
  std::vector<ListJoin> joins;
  QString filter;  // the list's own filter ("5 Standard"); empty: none
  std::optional<ListRange> range;
};

// ---- sort orders -------------------------------------------------------------------

enum class LocatorKind {
  None,         // no locator entry
  Positioning,  // the list moves to the first record >= the typed text
  BeginsWith,   // a filter keeps the records whose field starts with the text
  Contains,     // a filter keeps the records whose field contains the text
};

struct ListLocator {
  LocatorKind kind = LocatorKind::None;
  QString prompt;   // "&Descripcion:"
  QString field;    // "MAR:DESCRIPCION"; a filter locator may give an expression: "UPPER(TER:Descripcion)"
  QString picture;  // "s50"

  static ListLocator positioning(QString prompt, QString field, QString picture) {
    return {LocatorKind::Positioning, std::move(prompt), std::move(field), std::move(picture)};
  }
  static ListLocator beginsWith(QString prompt, QString field, QString picture) {
    return {LocatorKind::BeginsWith, std::move(prompt), std::move(field), std::move(picture)};
  }
  static ListLocator contains(QString prompt, QString field, QString picture) {
    return {LocatorKind::Contains, std::move(prompt), std::move(field), std::move(picture)};
  }
};

// Where dragging the scroll box puts the list: the box's place between the
// first and the last record is read as a value of the key's first component.
enum class ScrollStep {
  Runtime,  // between the first and the last key value on file (numbers and texts)
  Alpha,    // the letters A to Z, evenly
  Name,     // the letters as common as they are at the start of Spanish names
};

struct ListOrder {
  QString tab;  // "Por Descripcion"
  QString key;  // "MAR:KEYDES"
  ListLocator locator;
  ScrollStep step = ScrollStep::Runtime;
};

// ---- columns -----------------------------------------------------------------------

// The four colours of a row's colour column; none means the list's own.
struct RowColours {
  std::optional<QColor> text;
  std::optional<QColor> background;
  std::optional<QColor> selectedText;
  std::optional<QColor> selectedBackground;
};

struct ListColumn {
  QString field;    // a field of the view's tables or a ListValue's name; empty for an icon-only column
  int width = 0;    // dialog units
  QString header;
  QString picture;  // empty: the field's own
  ColumnAlign align = ColumnAlign::Left;
  std::optional<ColumnAlign> headerAlign;  // the header's own alignment, where it differs
  QString group;    // the header of the group the column belongs to
  bool resizable = true;
  // A fixed column: it stays in view while the list scrolls sideways.
  bool pinned = false;
  // An icon column: the icon of each row, read from the row ("" no icon).
  std::function<QString(const WindowFields& row)> icon;
  // A colour column: the four colours of each row, read from the row.
  std::function<RowColours(const WindowFields& row)> colours;
  // Edited in place (double click, F2 or Enter on the cell) and written to
  // the record at once through the table's relation manager.
  bool editedInPlace = false;

  static ListColumn of(QString field, int width, QString header, QString picture) {
    ListColumn c;
    c.field = std::move(field);
    c.width = width;
    c.header = std::move(header);
    c.picture = std::move(picture);
    return c;
  }
  ListColumn& aligned(ColumnAlign a) {
    align = a;
    return *this;
  }
  ListColumn& fixed() {
    resizable = false;
    return *this;
  }
  ListColumn& pin() {
    pinned = true;
    return *this;
  }
  ListColumn& inGroup(QString name) {
    group = std::move(name);
    return *this;
  }
  ListColumn& editable() {
    editedInPlace = true;
    return *this;
  }
};

// ---- buttons -----------------------------------------------------------------------

// The buttons a list has. Insert, change and delete are connected only when
// the list is not opened to view; select is always connected and shown only
// when the list is opened to select.
struct ListButtons {
  bool query = true;   // "&Filtros"
  bool insert = true;  // "&Agregar"
  bool change = true;  // "&Modificar"
  bool remove = true;  // "&Borrar"
  bool view = false;   // "&Ver"
  bool toolbox = true;  // "&Toolbox"
  bool select = true;   // "&Elegir"
  bool close = true;    // "&Cerrar"
  // The standard texts, where a list words them its own way ("&Filtrar").
  QString queryText = QStringLiteral("&Filtros");
  QString insertText = QStringLiteral("&Agregar");
  QString changeText = QStringLiteral("&Modificar");
  QString deleteText = QStringLiteral("&Borrar");
  QString selectText = QStringLiteral("&Elegir");
  QString selectIcon = QStringLiteral("wizOk.ico");
  QString closeText = QStringLiteral("&Cerrar");
  QString closeIcon = QStringLiteral("wizCncl.ico");
};

// A button of the list's own ("Calculo del costo de la formula").
struct ListExtraButton {
  QString text;
  QString name;  // its control name
  QString icon;
  bool needsRows = true;  // enabled only while the list has rows
  std::function<void(ListWindow&)> act;
};

// ---- query by example ------------------------------------------------------------

// A field the list's query offers in place of its columns.
struct ListQueryField {
  QString expression;  // "UPPER(TER:Codigo)"
  QString title;       // the name the query form shows
  QString picture;     // the field's display picture: "s13", "n3"
};

// ---- the list ----------------------------------------------------------------------

struct ListDeclaration {
  QString procedure;  // "BrowseMarca": reported to the error manager while it runs
  QString caption;    // "Tabla de Marcas"
  QString background;  // the window's background image ("wizBck02.gif"); empty: none
  ListView view;
  std::vector<ListOrder> orders;  // the first is the default
  std::vector<ListColumn> columns;
  std::vector<ListValue> values;
  // Names bound for filters beside the fields and values ("Glo:Linea").
  std::vector<ListValue> bound;
  ListButtons buttons;
  std::vector<ListExtraButton> extras;
  // The query's fields; none: one per column that shows a field.
  std::vector<ListQueryField> queryFields;
  // Whether the query narrows every sort order or only the current one.
  bool queryEveryOrder = true;
  // The update form (insert, change, delete, view); none: the list only selects.
  std::function<const FormDeclaration&()> form;
  // Printing from the list ("&Imprimir"); none: no print button.
  std::function<void(ListWindow&)> print;
  bool enterAsTab = false;
  // Whether the frame's toolbar buttons act on the list; a list that answers
  // only to its own buttons says no.
  bool takesToolbar = true;
  // The list reads a global its caller sets just before opening it (the
  // products of one line): it cannot be shown on its own.
  bool needsCaller = false;

  // What the list does beyond the common behaviour: made for each window
  // it opens (its working values and hooks). None: the common behaviour only.
  std::function<std::unique_ptr<ListBehaviour>()> behaviour;
  // Makes a window of a class derived from ListWindow.
  std::function<std::unique_ptr<ListWindow>(const ListDeclaration&, RelationManagers&)> make;
};

}  // namespace bv
