#pragma once
// The row buffer of a list: one entry per visible row, with the record's
// position, its key values, the text of every column through its picture, and
// the icons and colours of the icon and colour columns.
#include "shell/browse/list_declaration.h"
#include "storage/dictionary/record.h"
#include "storage/filelayer/file_layer.h"
#include "storage/views/view_row.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QStringList>
#include <vector>

namespace bv {

struct ListRow {
  ViewRow view;  // the records as the view read them
  RecordPosition position() const { return view.primary(); }
  const Record& primary() const { return view.records.front(); }
  QStringList texts;
  QStringList icons;
  std::vector<RowColours> colours;
};

class ListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  // Keeps its own copy of the columns: the declaration it came from may go first.
  explicit ListModel(std::vector<ListColumn> columns, QObject* parent = nullptr);

  const std::vector<ListRow>& rows() const { return rows_; }
  void setRows(std::vector<ListRow> rows);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const std::vector<ListColumn> columns_;
  std::vector<ListRow> rows_;
};

// A column header with a second band above it for the column groups ("Linea"
// over "Cod" and "Descripción").
class GroupedHeader : public QHeaderView {
  Q_OBJECT
 public:
  // Keeps its own copy of the columns, as the model does.
  GroupedHeader(std::vector<ListColumn> columns, QWidget* parent = nullptr);
  QSize sizeHint() const override;

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

 private:
  bool hasGroups() const;
  const std::vector<ListColumn> columns_;
};

// Draws a selected row of a colour column in its own selected colours.
class ColourDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The model's roles for the selected-row colours.
inline constexpr int kSelectedTextRole = Qt::UserRole + 1;
inline constexpr int kSelectedBackgroundRole = Qt::UserRole + 2;

Qt::Alignment alignmentOf(ColumnAlign align);

}  // namespace bv
