#pragma once
// The save of a purchase voucher as its form makes it: the header in
// Compra1's buffer and its lines written in one transaction over Basicos,
// Compra1 and Compra2, the lines' hooks moving the relative stock.
#include "storage/transactions/child_line.h"

#include <vector>

namespace bv {
class RelationManagers;
}

namespace bv::compras {

// `header` is the voucher's place on file, 0 for a new one; the positions of
// added lines are set. Answers 0 or the level of the step that failed, with
// every table left as it was.
int saveCompra(RelationManagers& relations, RecordPosition header, std::vector<ChildLine>& lines);

}  // namespace bv::compras
