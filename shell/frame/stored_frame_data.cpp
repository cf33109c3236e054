#include "shell/frame/stored_frame_data.h"

#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"

namespace bv {
namespace {
const QString kParamet = QStringLiteral("Paramet");
const QString kProduc01 = QStringLiteral("Produc01");
const QString kVersiones = QStringLiteral("Versiones");

// Reads the first record in file order; false when the file has none.
bool readFirst(FileManager& m) {
  m.buffer().clear();
  if (m.setPosition(nullptr, FileEdge::Start) != 0) return false;
  return m.tryNext() == 0;
}
}  // namespace

StoredFrameData::StoredFrameData(RelationManagers& relations)
    : relations_(relations), files_(relations.files()) {}

// Through the relation managers, so the tables related to these are opened
// (and opened physically on first use) with them.
void StoredFrameData::open() {
  for (const QString& t : {kParamet, kProduc01, kVersiones}) relations_[t].open();
}

void StoredFrameData::close() {
  for (const QString& t : {kParamet, kProduc01, kVersiones}) relations_[t].close();
}

QString StoredFrameData::modificaFormulas() {
  FileManager& par = files_[kParamet];
  if (!readFirst(par)) return QStringLiteral(" ");
  return par.buffer().paddedText(QStringLiteral("PAR:MODIFICAFORMULAS"));
}

bool StoredFrameData::parametHasRecord() {
  FileManager& par = files_[kParamet];
  const int saved = par.saveBuffer();
  const bool has = readFirst(par);
  int id = saved;
  par.restoreBuffer(id);
  return has;
}

std::optional<Decimal> StoredFrameData::highestProduction() {
  FileManager& pro = files_[kProduc01];
  const KeyDef* key = pro.table().key(QStringLiteral("PRO1:KEYCOD"));
  std::optional<Decimal> highest;
  if (key && pro.setPosition(key, FileEdge::End) == 0 && pro.tryPrevious() == 0)
    highest = pro.buffer().decimal(QStringLiteral("PRO1:CODIGO"));
  pro.buffer().clear();
  return highest;
}

std::optional<VersionInfo> StoredFrameData::version() {
  FileManager& ver = files_[kVersiones];
  if (!readFirst(ver)) return std::nullopt;
  return VersionInfo{ver.buffer().decimal(QStringLiteral("VER:VERSION")),
                     ver.buffer().date(QStringLiteral("VER:FECHA"))};
}

}  // namespace bv
