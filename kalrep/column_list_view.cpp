#include "kalrep/column_list_view.h"

#include <QHeaderView>
#include <QScrollBar>
#include <cmath>

#include "kalrep/column_sample.h"
#include "kalrep/paper.h"

namespace bv {
namespace {

Qt::Alignment alignmentOf(const ColumnDescriptor& c) {
  switch (c.justification().unicode()) {
    case u'R':
      return Qt::AlignRight | Qt::AlignVCenter;
    case u'C':
      return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
      return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

}  // namespace

ColumnListView::ColumnListView(QWidget* parent) : QTableWidget(parent) {
  setObjectName(QStringLiteral("?LISTA"));
  setAccessibleName(QStringLiteral("Columnas a Imprimir"));
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setStretchLastSection(false);
  horizontalHeader()->setMinimumSectionSize(1);
  setSelectionBehavior(QAbstractItemView::SelectColumns);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

double ColumnListView::scale() const {
  const int dpi = logicalDpiX();
  return (dpi > 0 ? dpi : 96) / double(paper::kListUnitsPerInch);
}

int ColumnListView::pixelsOf(long units) const { return int(std::lround(double(units) * scale())); }

long ColumnListView::unitsOf(int pixels) const { return std::lround(double(pixels) / scale()); }

void ColumnListView::draw(ColumnList& columns) {
  shown_ = visibleColumns(columns);
  clear();
  setRowCount(1);
  setColumnCount(int(shown_.size()));
  for (int i = 0; i < int(shown_.size()); ++i) {
    const ColumnDescriptor& c = *shown_[std::size_t(i)];
    auto* heading = new QTableWidgetItem(c.NOMBRE);
    heading->setTextAlignment(alignmentOf(c));
    setHorizontalHeaderItem(i, heading);
    auto* sample = new QTableWidgetItem(sampleText(c));
    sample->setTextAlignment(alignmentOf(c));
    setItem(0, i, sample);
  }
  applyWidths();
  if (!shown_.empty()) selectIndex(0);
}

void ColumnListView::applyWidths() {
  for (int i = 0; i < int(shown_.size()); ++i)
    setColumnWidth(i, pixelsOf(shown_[std::size_t(i)]->ANCHO));
}

void ColumnListView::readWidths() {
  for (int i = 0; i < int(shown_.size()) && i < columnCount(); ++i)
    shown_[std::size_t(i)]->ANCHO = kal::UShort(unitsOf(columnWidth(i)));
}

void ColumnListView::setListWidth(long units) {
  setFixedWidth(pixelsOf(units) + 2 * frameWidth());
}

int ColumnListView::selectedIndex() const {
  const int column = currentColumn();
  return column >= 0 && column < int(shown_.size()) ? column : -1;
}

ColumnDescriptor* ColumnListView::selected() const {
  const int i = selectedIndex();
  return i < 0 ? nullptr : shown_[std::size_t(i)];
}

void ColumnListView::selectIndex(int index) {
  if (index < 0 || index >= columnCount()) return;
  setCurrentCell(0, index);
  selectColumn(index);
}

}  // namespace bv
