#include "storage/dictionary/dictionary.h"

#include <QtGlobal>

#include "storage/dictionary/table_declaration.h"

namespace bv {
namespace {

using dictionary::Catalogue;
using dictionary::TableDecl;

// "CODIGO_BASICO" -> "Codigo_basico": how messages name a field unless the
// catalogue says otherwise.
QString capitalised(const QString& name) {
  return name.left(1).toUpper() + name.mid(1).toLower();
}

// A picture for a field the catalogue gives none: the text's width, a signed
// grouped number wide enough for every digit, or the short date.
QString defaultPicture(const FieldDef& f) {
  switch (f.type) {
    case FieldType::String:
      return u's' + QString::number(f.length);
    case FieldType::Decimal: {
      const int whole = f.digits - f.places;
      const int width = f.digits + (f.places > 0 ? 1 : 0) + 1 + (whole > 0 ? (whole - 1) / 3 : 0);
      QString p = QStringLiteral("n-") + QString::number(width);
      if (f.places > 0) p += u'.' + QString::number(f.places);
      return p;
    }
    case FieldType::Date:
      return QStringLiteral("d6");
    case FieldType::Memo:
      return QString();
  }
  return QString();
}

int fieldNumber(const TableDef& t, const QString& name) {
  const FieldDef* f = t.field(QString(t.prefix + u':' + name));
  if (!f || f->number == 0) qFatal("dictionary: %s has no field %s", qPrintable(t.label), qPrintable(name));
  return f->number;
}

std::unique_ptr<TableDef> buildTable(const TableDecl& decl) {
  auto t = std::make_unique<TableDef>();
  t->label = decl.label;
  t->prefix = decl.prefix;
  t->fixedFileName = !decl.fixedFileName.isEmpty();
  t->fileName = t->fixedFileName ? decl.fixedFileName : decl.label.left(8).toUpper() + QStringLiteral(".TPS");
  t->fileNameValue = t->fixedFileName ? t->fileName : t->label;
  t->perStation = decl.perStation;
  t->shareCode = decl.shareCode;

  int slot = 0;
  for (const auto& fs : decl.fields) {
    FieldDef f = fs.def;
    f.number = static_cast<int>(t->fields.size()) + 1;
    f.label = t->prefix + u':' + f.name;
    if (f.messageText.isEmpty()) f.messageText = t->prefix + u':' + capitalised(f.name);
    if (f.picture.isEmpty()) f.picture = defaultPicture(f);
    f.slot = slot;
    slot += f.arrayLength;
    t->fields.push_back(std::move(f));
  }
  if (decl.memo) {
    FieldDef m;
    m.name = QString::fromUtf8(decl.memo->name);
    m.label = t->prefix + u':' + m.name;
    m.messageText = t->prefix + u':' + capitalised(m.name);
    m.type = FieldType::Memo;
    m.length = kMemoLength;
    m.prompt = QString::fromUtf8(decl.memo->prompt);
    m.hint = QString::fromUtf8(decl.memo->hint);
    t->memo = std::move(m);
  }
  for (const auto& ks : decl.keys) {
    KeyDef k;
    k.number = static_cast<int>(t->keys.size()) + 1;
    k.name = ks.name;
    k.label = t->prefix + u':' + ks.name;
    k.description = ks.description;
    for (const QString& c : ks.components) k.components.push_back(fieldNumber(*t, c));
    k.unique = ks.isUnique;
    k.primary = ks.isPrimary;
    k.autoNumber = ks.isAutoNumber;
    k.excludesBlank = ks.excludesBlank;
    t->keys.push_back(std::move(k));
  }
  for (const auto& ps : decl.primed) t->primed.push_back({fieldNumber(*t, ps.field), ps.kind, ps.value});
  return t;
}

// Rules name their looked-up tables by label, so they are resolved once every
// table exists.
void addRules(TableDef& t, const TableDecl& decl, const Dictionary& dict) {
  for (const auto& rs : decl.rules) {
    FieldRule r;
    r.field = fieldNumber(t, rs.field);
    r.kind = rs.kind;
    r.fieldText = t.fields[r.field - 1].messageText;
    r.messageText = rs.messageText;
    if (rs.kind == FieldRule::Kind::Lookup) {
      r.message = 14;
      r.lookupTable = dict.table(rs.table);
      r.lookupKey = r.lookupTable ? r.lookupTable->key(rs.key) : nullptr;
      if (!r.lookupKey || r.lookupKey->components.size() != 1 ||
          r.lookupTable->fields[r.lookupKey->components[0] - 1].type != t.fields[r.field - 1].type)
        qFatal("dictionary: rule of %s looks up by an unusable key", qPrintable(t.label));
    } else {
      r.message = 15;
      r.allowed = rs.letters;
    }
    t.rules.push_back(std::move(r));
  }
}

// An alias: the base table's layout and keys under the "A_" prefix, on the base's
// file; it runs the base's rules and primed values, so it keeps none of its own.
std::unique_ptr<TableDef> buildAlias(const TableDef& base) {
  auto a = std::make_unique<TableDef>();
  a->label = QStringLiteral("A_") + base.label;
  a->prefix = QStringLiteral("A_") + base.prefix;
  a->fileName = base.fileName;
  a->fixedFileName = base.fixedFileName;
  a->perStation = base.perStation;
  a->fileNameValue = base.fileNameValue;
  a->shareCode = base.shareCode;
  a->base = &base;
  const auto rename = [&](const QString& text) { return a->prefix + text.mid(base.prefix.size()); };
  a->fields = base.fields;
  for (FieldDef& f : a->fields) {
    f.label = rename(f.label);
    f.messageText = rename(f.messageText);
  }
  if (base.memo) {
    a->memo = base.memo;
    a->memo->label = rename(a->memo->label);
    a->memo->messageText = rename(a->memo->messageText);
  }
  a->keys = base.keys;
  for (KeyDef& k : a->keys) k.label = rename(k.label);
  return a;
}

}  // namespace

const Dictionary& Dictionary::instance() {
  static const Dictionary dict(dictionary::catalogue());
  return dict;
}

Dictionary::Dictionary(const Catalogue& catalogue) {
  const auto add = [this](std::unique_ptr<TableDef> t) {
    TableDef* raw = t.get();
    owned_.push_back(std::move(t));
    order_.push_back(raw);
    byLabel_.insert(raw->label.toUpper(), raw);
    for (const FieldDef& f : raw->fields) fields_.insert(f.label.toUpper(), {raw, &f});
    if (raw->memo) fields_.insert(raw->memo->label.toUpper(), {raw, &*raw->memo});
    for (const KeyDef& k : raw->keys) keys_.insert(k.label.toUpper(), {raw, &k});
    return raw;
  };
  std::vector<TableDef*> built;
  for (const TableDecl& decl : catalogue.tables) built.push_back(add(buildTable(decl)));
  for (std::size_t i = 0; i < built.size(); ++i) addRules(*built[i], catalogue.tables[i], *this);
  for (const QString& baseLabel : catalogue.aliases) {
    const TableDef* base = table(baseLabel);
    if (!base) qFatal("dictionary: alias of unknown table %s", qPrintable(baseLabel));
    add(buildAlias(*base));
  }
}

const TableDef* Dictionary::table(QStringView label) const {
  return byLabel_.value(label.toString().toUpper(), nullptr);
}

FieldLocation Dictionary::field(QStringView label) const {
  return fields_.value(label.toString().toUpper());
}

KeyLocation Dictionary::key(QStringView label) const {
  return keys_.value(label.toString().toUpper());
}

}  // namespace bv
