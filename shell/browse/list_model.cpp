#include "shell/browse/list_model.h"

#include "shell/system_images.h"

#include <QPainter>

namespace bv {

Qt::Alignment alignmentOf(ColumnAlign align) {
  switch (align) {
    case ColumnAlign::Left: return Qt::AlignLeft | Qt::AlignVCenter;
    case ColumnAlign::Right:
    case ColumnAlign::Decimal: return Qt::AlignRight | Qt::AlignVCenter;
    case ColumnAlign::Centre: return Qt::AlignHCenter | Qt::AlignVCenter;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

ListModel::ListModel(std::vector<ListColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)) {}

void ListModel::setRows(std::vector<ListRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int ListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const ListRow& row = rows_[static_cast<std::size_t>(index.row())];
  const auto column = static_cast<std::size_t>(index.column());
  const RowColours& colours = row.colours[column];
  switch (role) {
    case Qt::DisplayRole: return row.texts.value(index.column());
    case Qt::TextAlignmentRole: return QVariant::fromValue(alignmentOf(columns_[column].align));
    case Qt::DecorationRole: {
      const QString icon = row.icons.value(index.column());
      if (icon.isEmpty()) return {};
      return systemIcon(icon.startsWith(u'~') ? icon.mid(1) : icon);
    }
    case Qt::ForegroundRole: return colours.text ? QVariant(*colours.text) : QVariant();
    case Qt::BackgroundRole: return colours.background ? QVariant(*colours.background) : QVariant();
    case kSelectedTextRole: return colours.selectedText ? QVariant(*colours.selectedText) : QVariant();
    case kSelectedBackgroundRole:
      return colours.selectedBackground ? QVariant(*colours.selectedBackground) : QVariant();
    default: return {};
  }
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  const ListColumn& c = columns_[static_cast<std::size_t>(section)];
  if (role == Qt::DisplayRole) return c.header;
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(alignmentOf(c.headerAlign.value_or(c.align)));
  return {};
}

void ColourDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem opt = option;
  if (const QVariant text = index.data(kSelectedTextRole); text.isValid())
    opt.palette.setColor(QPalette::HighlightedText, text.value<QColor>());
  if (const QVariant back = index.data(kSelectedBackgroundRole); back.isValid())
    opt.palette.setColor(QPalette::Highlight, back.value<QColor>());
  QStyledItemDelegate::paint(painter, opt, index);
}

GroupedHeader::GroupedHeader(std::vector<ListColumn> columns, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), columns_(std::move(columns)) {
  setSectionsClickable(false);
  setHighlightSections(false);
}

bool GroupedHeader::hasGroups() const {
  for (const ListColumn& c : columns_)
    if (!c.group.isEmpty()) return true;
  return false;
}

QSize GroupedHeader::sizeHint() const {
  QSize size = QHeaderView::sizeHint();
  if (hasGroups()) size.setHeight(size.height() * 2);
  return size;
}

void GroupedHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  if (!hasGroups() || logicalIndex < 0 || logicalIndex >= static_cast<int>(columns_.size())) {
    QHeaderView::paintSection(painter, rect, logicalIndex);
    return;
  }
  const QString group = columns_[static_cast<std::size_t>(logicalIndex)].group;
  if (group.isEmpty()) {
    QHeaderView::paintSection(painter, rect, logicalIndex);
    return;
  }
  const QRect lower = rect.adjusted(0, rect.height() / 2, 0, 0);
  QHeaderView::paintSection(painter, lower, logicalIndex);
  // The group's band spans its neighbouring columns of the same group; each
  // section paints its own part of it.
  int first = logicalIndex;
  while (first > 0 && columns_[static_cast<std::size_t>(first - 1)].group == group) --first;
  int last = logicalIndex;
  while (last + 1 < static_cast<int>(columns_.size()) && columns_[static_cast<std::size_t>(last + 1)].group == group)
    ++last;
  const int left = sectionViewportPosition(first);
  const int right = sectionViewportPosition(last) + sectionSize(last);
  const QRect band(left, rect.top(), right - left, rect.height() - lower.height());
  painter->save();
  painter->setClipRect(rect.adjusted(0, 0, 0, -lower.height()));
  QStyleOptionHeader opt;
  initStyleOption(&opt);
  opt.rect = band;
  opt.section = logicalIndex;
  opt.text = group;
  opt.textAlignment = Qt::AlignCenter;
  opt.position = QStyleOptionHeader::Middle;
  style()->drawControl(QStyle::CE_Header, &opt, painter, this);
  painter->restore();
}

}  // namespace bv
