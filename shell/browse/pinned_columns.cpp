#include "shell/browse/pinned_columns.h"

#include <QBoxLayout>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>

namespace bv {
namespace {

class SidewaysScroll : public QObject {
 public:
  SidewaysScroll(QTableView& table, QScrollBar& bar, const std::vector<ListColumn>& columns)
      : QObject(&bar), table_(table), bar_(bar) {
    QHeaderView* header = table_.horizontalHeader();
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (!columns[i].pinned) scrolling_.push_back(static_cast<int>(i));
      widths_.push_back(header->sectionSize(static_cast<int>(i)));
    }
    bar_.setPageStep(1);
    connect(&bar_, &QScrollBar::valueChanged, this, [this](int first) { scrollTo(first); });
    // The view keeps its own offset at the start: moving to a cell never
    // slides the fixed columns out of sight.
    table_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QScrollBar* own = table_.horizontalScrollBar();
    connect(own, &QScrollBar::valueChanged, this, [own] {
      if (own->value() != own->minimum()) own->setValue(own->minimum());
    });
    // A width the user gives a column counts; hiding a column, or the last
    // one stretching to the edge, does not.
    connect(header, &QHeaderView::sectionResized, this, [this, header](int section, int, int size) {
      if (size > 0 && section != header->count() - 1) widths_[static_cast<std::size_t>(section)] = size;
      fit();
    });
    table_.viewport()->installEventFilter(this);
    fit();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) fit();
    return QObject::eventFilter(watched, event);
  }

 private:
  void scrollTo(int first) {
    QHeaderView* header = table_.horizontalHeader();
    for (std::size_t i = 0; i < scrolling_.size(); ++i)
      header->setSectionHidden(scrolling_[i], static_cast<int>(i) < first);
  }
  // The bar goes as far as the first unfixed column from which the rest fit
  // beside the fixed ones, and shows only while there is somewhere to go.
  void fit() {
    int room = table_.viewport()->width();
    for (int width : widths_) room -= width;
    int first = 0;
    while (room < 0 && first + 1 < static_cast<int>(scrolling_.size()))
      room += widths_[static_cast<std::size_t>(scrolling_[static_cast<std::size_t>(first++)])];
    bar_.setRange(0, first);
    const bool needed = first > 0;
    if (needed != bar_.isVisibleTo(bar_.parentWidget())) bar_.setVisible(needed);
  }

  QTableView& table_;
  QScrollBar& bar_;
  std::vector<int> scrolling_;  // the unfixed columns, left to right
  std::vector<int> widths_;     // every column's width, hidden or not
};

}  // namespace

void addListBox(QBoxLayout& row, QTableView& table, const std::vector<ListColumn>& columns) {
  const bool pinned = std::any_of(columns.begin(), columns.end(), [](const ListColumn& c) { return c.pinned; });
  const bool unpinned = std::any_of(columns.begin(), columns.end(), [](const ListColumn& c) { return !c.pinned; });
  if (!pinned || !unpinned) {
    row.addWidget(&table);
    return;
  }
  auto* bar = new QScrollBar(Qt::Horizontal, table.parentWidget());
  bar->setObjectName(QStringLiteral("?Browse:1:HScroll"));
  bar->setFocusPolicy(Qt::NoFocus);
  new SidewaysScroll(table, *bar, columns);
  auto* column = new QVBoxLayout;
  column->setSpacing(0);
  column->addWidget(&table);
  column->addWidget(bar);
  row.addLayout(column);
}

}  // namespace bv
