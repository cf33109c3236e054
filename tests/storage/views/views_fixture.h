#pragma once
// Tables filled straight through their files for views to read.
#include "storage/views/view_manager.h"
#include "tests/storage/relations/relations_fixture.h"

namespace bv::test {

inline Decimal dec(const char* text) { return *Decimal::parse(std::string_view(text)); }

class ViewsTest : public RelationsTest {
 protected:
  // Adds many records in one transaction.
  template <typename Make>
  void bulk(const char* label, int count, Make make) {
    FileManager& m = file(label);
    ASSERT_EQ(m.use(), 0);
    m.file().markForTransaction();
    ASSERT_EQ(layer->beginTransaction(2), kFileOk);
    for (int i = 0; i < count; ++i) ASSERT_EQ(m.file().add(make(i)), kFileOk) << label << ' ' << i;
    ASSERT_EQ(layer->commit(), kFileOk);
  }
  Record terminado(const QString& code, const QString& description, int linea = 1, int carta = 1, int marca = 1) {
    Record r = valid("Terminado");
    r.setText("TER:CODIGO", code);
    r.setText("TER:DESCRIPCION", description);
    r.setDecimal("TER:LINEA", Decimal(linea));
    r.setDecimal("TER:CARTA", Decimal(carta));
    r.setDecimal("TER:MARCA", Decimal(marca));
    return r;
  }
  // Finished products T000.. with descriptions in another order than codes.
  void finishedProducts(int count) {
    bulk("Terminado", count, [&](int i) {
      return terminado(QStringLiteral("T%1").arg(i, 3, 10, QChar(u'0')),
                       QStringLiteral("PRODUCTO %1").arg((i * 37) % count, 3, 10, QChar(u'0')), i % 10 + 1,
                       i % 7 + 1, i % 5 + 1);
    });
  }
  // One text field of each record of a page or of a whole read.
  static QStringList texts(const std::vector<ViewRow>& rows, const char* field, int table = 0) {
    QStringList out;
    for (const ViewRow& r : rows) out << r.records[table].text(field);
    return out;
  }
  QStringList readAll(ViewManager& v, const char* field, int table = 0) {
    QStringList out;
    v.reset();
    while (v.next() == 0) out << v.current()->records[table].text(field);
    return out;
  }
  QStringList readBack(ViewManager& v, const char* field, int table = 0) {
    QStringList out;
    v.view().toEnd();
    while (v.previous() == 0) out.prepend(v.current()->records[table].text(field));
    return out;
  }
};

}  // namespace bv::test
