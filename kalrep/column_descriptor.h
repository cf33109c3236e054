#pragma once
// The column list that a caller builds with ADDFIELD, and the hidden-column list
// of the layout window.
#include <QString>
#include <optional>
#include <vector>

#include "kalrep/field_binding.h"
#include "kalrep/kal_types.h"
#include "runtime/picture.h"

namespace bv {

struct ColumnDescriptor {
  kal::Byte ORDEN = 0;     // position among the visible columns, from 1; 0 = hidden
  QString JUSTIFICACION;   // "L", "R" or "C"
  QString NOMBRE;          // heading
  kal::Byte POSICION = 0;  // position given by ADDFIELD (1, 2, ...); never changes
  kal::UShort ANCHO = 0;   // width in list units (64 per inch)
  QString PICTURE;         // display picture ("@s13", "@n8.4")
  FieldBinding CAMPO;      // the caller's variable

  // The picture parsed once; nullopt when it does not parse.
  std::optional<Picture> picture;
  // The picture used for data cells: a date picture "@Dx" is read as "@D0x" so
  // that dates come zero-padded.
  std::optional<Picture> dataPicture;

  // The picture's type letter, upper case: "S", "N", "D", "T", "P" (the first
  // letter after a leading "@").
  QChar typeLetter() const;
  // The justification letter ("L" when none was given).
  QChar justification() const;
  // The width of the picture: the length of the value 9 shown with it.
  int pictureWidth() const;
  // The caller's variable shown with the data picture.
  QString formattedValue() const;
};

struct HiddenColumn {
  QString NOMBRE;
  kal::Byte POSICION = 0;
};

using ColumnList = std::vector<ColumnDescriptor>;
using HiddenColumnList = std::vector<HiddenColumn>;

// The visible columns in ORDEN order.
std::vector<const ColumnDescriptor*> visibleColumns(const ColumnList& columns);
std::vector<ColumnDescriptor*> visibleColumns(ColumnList& columns);

// A cell's text as the writers take it: left-aligned ("L", "C") or
// right-aligned ("R") within its own length, then without trailing blanks.
QString alignedCellText(const QString& text, QChar justification);

// The same, changing the text in place (no copy when the text is not shared).
void alignCellText(QString& text, QChar justification);

// Removes trailing blanks (only blanks: other characters stay).
QString withoutTrailingBlanks(const QString& text);

}  // namespace bv
