#include "production/compras/compras_save.h"

#include "production/compras/compras_windows.h"
#include "storage/relations/relation_managers.h"
#include "storage/transactions/child_list_transaction.h"

namespace bv::compras {

int saveCompra(RelationManagers& relations, RecordPosition header, std::vector<ChildLine>& lines) {
  const LineListDeclaration& declaration = compraLines();
  std::vector<RelationManager*> further;
  for (const QString& table : declaration.tables) further.push_back(&relations[table]);
  ChildListTransaction transaction(relations.files());
  transaction.setHooks(declaration.hooks);
  return transaction.save(relations[QStringLiteral("Compra1")], header, relations[declaration.table], lines,
                          further);
}

}  // namespace bv::compras
