#pragma once
// How a column's texts stand in the column.
namespace bv {

enum class ColumnAlign { Left, Right, Centre, Decimal };

}  // namespace bv
