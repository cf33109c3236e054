#pragma once
// How a list's columns read each row: the value of every column (a field of
// the view's tables, a working value or a computed value) through its
// picture, and the icons and colours of icon and colour columns. The list
// window and the headless list output both capture rows through it, so a
// list exported without a screen shows exactly what the window shows.
#include "runtime/picture.h"
#include "shell/browse/list_declaration.h"
#include "shell/browse/list_model.h"

#include <functional>
#include <vector>

namespace bv {

class FileManagers;

class ListColumns {
 public:
  // `fields` is what computed values and colour rules read; it outlives this.
  ListColumns(const ListDeclaration& declaration, FileManagers& files, const WindowFields& fields);

  // The row whose records are in the buffers now.
  ListRow capture(const ViewRow& viewRow) const;
  const Picture& picture(int column) const { return reads_[static_cast<std::size_t>(column)].picture; }

 private:
  struct Read {
    std::function<FieldValue()> value;
    Picture picture;
  };
  const ListDeclaration& declaration_;
  const WindowFields& fields_;
  std::vector<Read> reads_;
};

}  // namespace bv
