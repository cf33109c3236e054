#pragma once
// A list of child lines in a form (the components of a formula, the products
// of a purchase or a production), described by data: the line table, its
// columns with their editors, the tables each line shows fields of, the
// further tables its save changes and the hooks that run as the lines are
// written.
#include "shell/browse/column_align.h"
#include "shell/form/lookup_declaration.h"
#include "storage/dictionary/field_value.h"
#include "storage/transactions/child_line.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace bv {

class FileManagers;

enum class CellEditor {
  None,     // shown only
  Text,     // a text typed in place (with its lookup, when the column has one)
  Numeric,  // a number typed in place, read through the column's picture
};

struct LineColumn {
  // A field of the line table, or of a table read for each line ("BAS:DESCRIPCION").
  QString field;
  int width = 0;  // dialog units; 0 hides the column
  QString header;
  QString picture;  // empty: the field's own
  ColumnAlign align = ColumnAlign::Left;
  CellEditor editor = CellEditor::None;
  // The value must exist in another table (text editors).
  std::optional<FormLookup> lookup;
  // A value the column refuses (zero quantities): the cell beeps and keeps its editor.
  std::function<bool(const FieldValue&)> accepts;
  // A value worked out for each line instead of a field's: from the line and
  // the records joined to it, which are in their buffers while it runs. Shown
  // through `picture`, never edited.
  std::function<FieldValue(const Record& line, FileManagers& files)> compute;

  static LineColumn of(QString field, int width, QString header, QString picture) {
    LineColumn c;
    c.field = std::move(field);
    c.width = width;
    c.header = std::move(header);
    c.picture = std::move(picture);
    return c;
  }
  static LineColumn computed(int width, QString header, QString picture,
                             std::function<FieldValue(const Record&, FileManagers&)> compute) {
    LineColumn c = of({}, width, std::move(header), std::move(picture));
    c.compute = std::move(compute);
    return c;
  }
  LineColumn& editedAs(CellEditor e) {
    editor = e;
    return *this;
  }
  LineColumn& aligned(ColumnAlign a) {
    align = a;
    return *this;
  }
  // A quantity of zero is no line: the cell refuses it.
  LineColumn& refusingZero() {
    accepts = [](const FieldValue& v) {
      const Decimal* d = std::get_if<Decimal>(&v);
      return d && !d->isZero();
    };
    return *this;
  }
};

// A table read for each line by its key from the line's fields; its buffer is
// cleared when no record matches.
struct LineJoin {
  QString table;  // "Basicos"
  QString key;    // "BAS:KEYCOD"
  std::vector<std::pair<QString, QString>> links;  // (line field, joined field)
};

struct LineListDeclaration {
  QString table;  // the line table: "Formula2"
  QString heading;  // "Componentes de la formula (Parte A)"; empty: none
  std::vector<LineColumn> columns;
  std::vector<LineJoin> joins;
  bool insert = true;  // "&Agregar"
  bool change = true;  // "&Modificar"
  bool remove = true;  // "&Borrar"
  // Further tables the save changes through its hooks ("Basicos", whose stock
  // a purchase moves): opened with the form and written in the save's one
  // transaction, so that they roll back with the lines.
  QStringList tables;
  // Run before each line is added, rewritten or deleted while the form saves.
  ChildLineHooks hooks;
};

}  // namespace bv
