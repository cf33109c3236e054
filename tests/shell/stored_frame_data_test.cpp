#include "shell/frame/stored_frame_data.h"
#include "storage/filelayer/file_layer.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace bv;

namespace {
struct Files {
  QTemporaryDir dir;
  std::shared_ptr<FileLayer> layer = FileLayer::createSqlite({dir.path(), dir.path()});
  FileManagers managers{*layer};
  RelationManagers relations{managers};
  StoredFrameData data{relations};
};

void add(FileManager& m, const std::function<void(Record&)>& fill) {
  m.primeRecord();
  fill(m.buffer());
  ASSERT_EQ(m.insert(), 0);
}
}  // namespace

TEST(StoredFrameData, EmptyFiles) {
  Files f;
  f.data.open();
  EXPECT_EQ(f.data.modificaFormulas(), QStringLiteral(" "));
  EXPECT_FALSE(f.data.parametHasRecord());
  EXPECT_FALSE(f.data.highestProduction());
  EXPECT_FALSE(f.data.version());
  f.data.close();
}

TEST(StoredFrameData, ReadsTheFirstParametAndVersionesAndTheHighestOrder) {
  Files f;
  f.data.open();
  f.managers["Terminado"].open();
  f.managers["Linea"].open();
  add(f.managers["Paramet"], [](Record& r) { r.setText("PAR:MODIFICAFORMULAS", "S"); });
  add(f.managers["Versiones"], [](Record& r) {
    r.setDecimal("VER:VERSION", 3);
    r.setDate("VER:FECHA", Date::fromYmd(2026, 11, 30));
  });
  // The orders need their finished product, and it its line, to pass their rules.
  add(f.managers["Linea"], [](Record&) {});
  add(f.managers["Terminado"], [](Record& r) {
    r.setText("TER:CODIGO", "T1");
    r.setDecimal("TER:LINEA", 1);
    r.setText("TER:SISTEMA", "M");
  });
  f.managers["Terminado"].buffer().clear();
  FileManager& pro = f.managers["Produc01"];
  for (int i = 0; i < 3; ++i) {
    pro.primeRecord();
    pro.buffer().setText("PRO1:CODIGO_TERMINADO", "T1");
    pro.buffer().setText("PRO1:ESTADO", "P");
    ASSERT_EQ(pro.insert(), 0);
  }
  EXPECT_EQ(f.data.modificaFormulas(), QStringLiteral("S"));
  EXPECT_TRUE(f.data.parametHasRecord());
  ASSERT_TRUE(f.data.highestProduction());
  EXPECT_EQ(*f.data.highestProduction(), Decimal(3));
  EXPECT_TRUE(pro.buffer().text("PRO1:CODIGO_TERMINADO").isEmpty());
  const auto v = f.data.version();
  ASSERT_TRUE(v);
  EXPECT_EQ(v->version, Decimal(3));
  EXPECT_EQ(v->date.toIso(), "2026-11-30");
  f.managers["Terminado"].close();
  f.managers["Linea"].close();
  f.data.close();
}
