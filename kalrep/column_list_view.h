#pragma once
// The list "Columnas a Imprimir" of the layout window: one column per visible
// descriptor in ORDEN order, each resizable and headed by its heading, and one
// sample row. The list is drawn at the scale of the page: a list unit (64 to
// the inch) is as wide on screen as an inch's 64th at the screen's resolution,
// so a list as wide as the usable width shows how the columns fill the paper.
#include <QTableWidget>
#include <vector>

#include "kalrep/column_descriptor.h"

namespace bv {

class ColumnListView : public QTableWidget {
  Q_OBJECT
 public:
  explicit ColumnListView(QWidget* parent = nullptr);

  // Redraws the visible columns of the list and selects the first one.
  void draw(ColumnList& columns);
  // The widths the user gave the columns, back into their ANCHO.
  void readWidths();
  // Resizes the drawn columns to their ANCHO (after fitting).
  void applyWidths();
  // The list's own width, in list units (the usable width of the page).
  void setListWidth(long units);

  // The selected column (nullptr when none) and its place among the visible ones.
  ColumnDescriptor* selected() const;
  int selectedIndex() const;
  void selectIndex(int index);
  const std::vector<ColumnDescriptor*>& shown() const { return shown_; }

  // Pixels per list unit on this screen.
  double scale() const;
  int pixelsOf(long units) const;
  long unitsOf(int pixels) const;

 private:
  std::vector<ColumnDescriptor*> shown_;
};

}  // namespace bv
