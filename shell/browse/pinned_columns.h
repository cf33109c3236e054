#pragma once
// Fixed columns of a list: the leading columns marked pinned stay in view
// while the list scrolls sideways. The list then scrolls a whole column at a
// time, by hiding the unfixed columns it has scrolled past, so a fixed column
// is never cut and the view itself never scrolls sideways.
#include "shell/browse/list_declaration.h"

#include <vector>

class QBoxLayout;
class QTableView;

namespace bv {

// Adds the list box to the row of the list's window. When one of its columns
// is pinned, the list box takes its sideways scrolling from a scroll bar of
// its own below it (named "?Browse:1:HScroll"), shown only while the columns
// are wider than the box; otherwise it scrolls as usual. The columns' widths
// are set before.
void addListBox(QBoxLayout& row, QTableView& table, const std::vector<ListColumn>& columns);

}  // namespace bv
