#include "production/produccion/new_order.h"

#include "storage/relations/relation_managers.h"
#include "storage/transactions/child_list_transaction.h"

using namespace Qt::StringLiterals;

namespace bv {
namespace {
constexpr int kMsgMustExist = 14;  // "El valor de %Field debe existir en tabla %Message."
}

NewOrder::NewOrder(RelationManagers& relations) : relations_(relations) {}

int NewOrder::mustExist(const QString& table, const char* key, const char* field, const FieldValue& value,
                        const QString& prompt) {
  FileManager& file = relations_.files()[table];
  file.buffer().clear();
  file.buffer().setValue(field, value);
  if (file.tryFetch(file.keyDef(QString::fromLatin1(key))) == kLevelBenign) return kLevelBenign;
  file.buffer().clear();
  file.errors().setFieldText(prompt);
  return file.errors().raiseWithMessage(kMsgMustExist, table);
}

NewOrderResult NewOrder::run(const OrderEntries& entries, const OrderEntry::Notice& notice) {
  NewOrderResult result;
  QStringList tables{u"Produc01"_s, u"Produc02"_s, u"Clientes"_s};
  tables += OrderEntry::tables();
  std::vector<RelationManager*> opened;
  const auto closeAll = [&] {
    for (auto it = opened.rbegin(); it != opened.rend(); ++it) (*it)->close();
  };
  for (const QString& table : tables) {
    RelationManager& relation = relations_[table];
    if (const int level = relation.open(); level != kLevelBenign) {
      closeAll();
      result.level = level;
      return result;
    }
    opened.push_back(&relation);
  }
  FileManager& produc01 = relations_.files()[u"Produc01"_s];
  // The number is reserved as the form reserves it when it opens.
  if (const int level = produc01.primeRecord(); level != kLevelBenign) {
    closeAll();
    result.level = level;
    return result;
  }
  Record& header = produc01.buffer();
  OrderEntry entry(relations_.files(), header, result.lines, result.figures, notice);
  const auto refuse = [&](int level) {
    produc01.cancelAutoNumber();
    result.level = level;
    result.header = header;
    closeAll();
    return result;
  };
  if (entries.date) header.setDate("PRO1:FECHA", *entries.date);
  if (!entries.state.isEmpty()) header.setText("PRO1:ESTADO", entries.state);
  entry.completeNewHeader();
  entry.readParameters();

  header.setDecimal("PRO1:CLIENTE", entries.customer);
  if (int level = mustExist(u"Clientes"_s, "CLI:KEYCOD", "CLI:CODIGO", entries.customer, u"Cliente"_s))
    return refuse(level);
  header.setDecimal("PRO1:LINEA", entries.line);
  entry.lineChanged();
  if (int level = mustExist(u"Linea"_s, "LIN:KEYCOD", "LIN:CODIGO", entries.line, u"Código de línea"_s))
    return refuse(level);
  header.setText("PRO1:CODIGO_TERMINADO", entries.product);
  if (int level = mustExist(u"Terminado"_s, "TER:KEYCOD", "TER:CODIGO", entries.product, u"Código Producto"_s))
    return refuse(level);
  entry.productAccepted();
  header.setDecimal("PRO1:CANTIDAD", entries.quantity);
  entry.quantityAccepted();
  if (entries.margin) {
    relations_.files()[u"Linea"_s].buffer().setDecimal("LIN:MARGEN", *entries.margin);
    entry.computePrices();
  }
  // "&Grabar": the save flag, the prices once more, then the save.
  result.figures.saving = true;
  entry.computePrices();
  if (produc01.validateRecord(true) != 0) return refuse(kLevelNotice);
  result.level = saveOrder(relations_, 0, result.lines);
  if (result.level != kLevelBenign) produc01.cancelAutoNumber();
  result.header = header;
  closeAll();
  return result;
}

int saveOrder(RelationManagers& relations, RecordPosition header, std::vector<ChildLine>& lines) {
  ChildListTransaction transaction(relations.files());
  return transaction.save(relations[u"Produc01"_s], header, relations[u"Produc02"_s], lines);
}

}  // namespace bv
