// Each relation of the system with its update and delete actions: an owner
// record and a record linked to it, the owner's linking values changed, then
// the owner deleted.
#include "storage/relations/linked_value.h"
#include "tests/storage/relations/relations_fixture.h"

namespace bv::test {
namespace {

constexpr int kSystemRelations = 18;

class EachRelation : public RelationsTest, public testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    int n = 0;
    for (const auto& m : relations.all())
      for (const Relation& r : m->relations())
        if (r.owned() && n++ == GetParam()) {
          owner = m.get();
          relation = &r;
        }
    ASSERT_NE(relation, nullptr);
    baseline();
  }
  static FieldValue code(const FieldDef& f, int n) {
    return f.isText() ? FieldValue(QString::number(n)) : FieldValue(Decimal(n));
  }
  QByteArray ownerLabel() const { return owner->me().table().label.toLatin1(); }
  QByteArray otherLabel() const { return relation->other->me().table().label.toLatin1(); }
  // The linked record's linking values, joined by commas.
  QString linkText(const Record& r) {
    QStringList out;
    for (const FieldPair& p : relation->pairs)
      out << (p.other->type == FieldType::Decimal ? r.decimal(*p.other).toQString() : r.text(*p.other));
    return out.join(u',');
  }

  RelationManager* owner = nullptr;
  const Relation* relation = nullptr;
};

TEST_P(EachRelation, UpdateThenDelete) {
  SCOPED_TRACE(ownerLabel().toStdString() + " > " + otherLabel().toStdString());
  Record o = valid(ownerLabel());
  Record linked = valid(otherLabel());
  for (const FieldPair& p : relation->pairs) {
    o.setValue(*p.mine, code(*p.mine, 41));
    linked.setValue(*p.other, *linkedValue(code(*p.mine, 41), *p.other));
  }
  const RecordPosition ownerAt = add(ownerLabel(), o);
  const RecordPosition linkedAt = add(otherLabel(), linked);

  current(ownerLabel(), ownerAt);
  for (const FieldPair& p : relation->pairs) owner->me().buffer().setValue(*p.mine, code(*p.mine, 42));
  ASSERT_EQ(owner->update(), 0);
  const QString expected = relation->onUpdate == RelationAction::Cascade ? "42" : "41";
  QStringList each;
  for (std::size_t i = 0; i < relation->pairs.size(); ++i) each << expected;
  EXPECT_EQ(linkText(stored(otherLabel(), linkedAt)).toStdString(), each.join(u',').toStdString());
  EXPECT_TRUE(script.shown().empty());

  current(ownerLabel(), ownerAt);
  switch (relation->onDelete) {
    case RelationAction::Restrict:
      script.answer("Aceptar");
      script.answer("&NO");  // not again
      EXPECT_EQ(owner->deleteRecord(false), 5);
      EXPECT_EQ(titles(), "Error de Integridad Referencial (Borrado) | Error en Borrar Registro");
      EXPECT_TRUE(exists(ownerLabel(), ownerAt));
      EXPECT_TRUE(exists(otherLabel(), linkedAt));
      break;
    case RelationAction::Cascade:
      EXPECT_EQ(owner->deleteRecord(false), 0);
      EXPECT_FALSE(exists(ownerLabel(), ownerAt));
      EXPECT_FALSE(exists(otherLabel(), linkedAt));
      break;
    default:
      EXPECT_EQ(owner->deleteRecord(false), 0);
      EXPECT_FALSE(exists(ownerLabel(), ownerAt));
      EXPECT_TRUE(exists(otherLabel(), linkedAt));
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(SystemRelations, EachRelation, testing::Range(0, kSystemRelations));

}  // namespace
}  // namespace bv::test
