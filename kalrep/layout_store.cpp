#include "kalrep/layout_store.h"

#include <QFileInfo>

#include "kalrep/column_descriptor.h"
#include "storage/settings/settings.h"

namespace bv {
namespace {

bool sameFile(const QString& a, const QString& b) {
  return QFileInfo(a).absoluteFilePath().compare(QFileInfo(b).absoluteFilePath(),
                                                 Qt::CaseInsensitive) == 0;
}

}  // namespace

LayoutStore::LayoutStore(const QString& iniName, const QString& entryName)
    : iniName_(withoutTrailingBlanks(iniName)),
      section_(QStringLiteral("KAL_AUTOCOL_") + withoutTrailingBlanks(entryName)) {}

LayoutStore::~LayoutStore() = default;

Settings* LayoutStore::settings() const {
  Settings& global = Settings::global();
  if (global.isOpen() && (iniName_.isEmpty() || sameFile(global.fileName(), iniName_)))
    return &global;
  if (iniName_.isEmpty()) return nullptr;
  if (!own_) {
    own_ = std::make_unique<Settings>();
    if (!own_->open(iniName_)) own_.reset();
  }
  return own_.get();
}

QString LayoutStore::read(const QString& key) const {
  Settings* s = settings();
  return s ? s->tryFetch(section_, key) : QString();
}

bool LayoutStore::write(const QString& key, const QString& value) {
  Settings* s = settings();
  return s && s->update(section_, key, value);
}

}  // namespace bv
