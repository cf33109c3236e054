#include "storage/dictionary/table_def.h"

namespace bv {
namespace {

// Labels are looked up on every field access by name: the length settles
// most candidates before the letters are compared.
bool sameLabel(const QString& label, QStringView wanted) {
  return label.size() == wanted.size() && QStringView(label).compare(wanted, Qt::CaseInsensitive) == 0;
}

QString columnName(const FieldDef& f, int index) {
  return f.isArray() ? f.label + u'[' + QString::number(index) + u']' : f.label;
}

}  // namespace

int TableDef::recordLength() const {
  int length = 0;
  for (const FieldDef& f : fields) length += f.recordWidth();
  return length;
}

int TableDef::slotCount() const {
  int count = 0;
  for (const FieldDef& f : fields) count += f.arrayLength;
  return count;
}

const FieldDef* TableDef::field(int number) const {
  if (number < 1 || number > fieldCount()) return nullptr;
  return &fields[number - 1];
}

const FieldDef* TableDef::field(QStringView label) const {
  for (const FieldDef& f : fields)
    if (sameLabel(f.label, label)) return &f;
  if (memo && sameLabel(memo->label, label)) return &*memo;
  return nullptr;
}

const KeyDef* TableDef::key(QStringView label) const {
  for (const KeyDef& k : keys)
    if (sameLabel(k.label, label)) return &k;
  return nullptr;
}

const KeyDef* TableDef::primaryKey() const {
  for (const KeyDef& k : keys)
    if (k.primary) return &k;
  return nullptr;
}

bool TableDef::hasAutoNumber() const {
  for (const KeyDef& k : keys)
    if (k.autoNumber) return true;
  return false;
}

std::vector<Column> TableDef::columns() const {
  std::vector<Column> out;
  out.reserve(slotCount() + (memo ? 1 : 0));
  for (const FieldDef& f : fields)
    for (int i = 1; i <= f.arrayLength; ++i) out.push_back({&f, i, columnName(f, i)});
  if (memo) out.push_back({&*memo, 1, memo->label});
  return out;
}

std::optional<Column> TableDef::column(QStringView name) const {
  for (const Column& c : columns())
    if (sameLabel(c.name, name)) return c;
  return std::nullopt;
}

}  // namespace bv
