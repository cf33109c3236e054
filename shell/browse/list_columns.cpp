#include "shell/browse/list_columns.h"

#include "shell/field_access.h"

namespace bv {

ListColumns::ListColumns(const ListDeclaration& declaration, FileManagers& files, const WindowFields& fields)
    : declaration_(declaration), fields_(fields) {
  for (const ListColumn& c : declaration.columns) {
    Read read{nullptr, pictureFor(c.picture, nullptr)};
    if (const auto bound = BoundField::resolve(files, c.field, fields.working())) {
      read.picture = pictureFor(c.picture, &bound->def());
      read.value = [field = *bound] { return field.value(); };
    } else {
      for (const ListValue& v : declaration.values)
        if (v.name.compare(c.field, Qt::CaseInsensitive) == 0)
          read.value = [compute = v.compute, row = &fields] { return compute(*row); };
    }
    reads_.push_back(std::move(read));
  }
}

ListRow ListColumns::capture(const ViewRow& viewRow) const {
  ListRow row;
  row.view = viewRow;
  row.colours.resize(declaration_.columns.size());
  for (std::size_t i = 0; i < declaration_.columns.size(); ++i) {
    const ListColumn& c = declaration_.columns[i];
    const Read& read = reads_[i];
    // A text picture pads to its width; the column shows the text itself.
    row.texts << (read.value ? entryText(read.value(), read.picture) : QString());
    row.icons << (c.icon ? c.icon(fields_) : QString());
    if (c.colours) row.colours[i] = c.colours(fields_);
  }
  return row;
}

}  // namespace bv
