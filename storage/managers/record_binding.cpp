#include "storage/managers/record_binding.h"

#include <memory>

namespace bv {
namespace {

using Reader = std::shared_ptr<std::function<const Record&()>>;

void bindOne(FilterFunctionBinding& binding, const FieldDef& field, const Reader& current) {
  const int number = field.number;
  switch (field.type) {
    case FieldType::Decimal:
      binding.bindNumber(field.label, [current, number] { return (*current)().decimal(number); });
      return;
    case FieldType::Date:
      binding.bindNumber(field.label,
                         [current, number] { return Decimal((*current)().date(number).dayNumber()); });
      return;
    case FieldType::String:
      binding.bindText(field.label, [current, number] { return (*current)().text(number); });
      return;
    case FieldType::Memo:
      binding.bindText(field.label, [current] { return (*current)().memo(); });
      return;
  }
}

}  // namespace

void bindRecordFields(FilterFunctionBinding& binding, const TableDef& table,
                      std::function<const Record&()> current) {
  // One reader shared by every name of the table.
  const auto reader = std::make_shared<std::function<const Record&()>>(std::move(current));
  for (const FieldDef& f : table.fields) bindOne(binding, f, reader);
  if (table.memo) bindOne(binding, *table.memo, reader);
}

}  // namespace bv
