#include "shell/qbe/query_filter.h"
#include "shell/qbe/saved_queries.h"
#include "storage/settings/settings.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace bv;

namespace {

QueryItems brandItems() {
  return {QueryItem::forColumn(QStringLiteral("MAR:CODIGO"), QStringLiteral("Codigo"), QStringLiteral("n3")),
          QueryItem::forColumn(QStringLiteral("MAR:DESCRIPCION"), QStringLiteral("Descripcion"), QStringLiteral("s50"))};
}

struct QbeStoreTest : ::testing::Test {
  QTemporaryDir dir;
  QString file = dir.filePath(QStringLiteral("bravent.INI"));
};

}  // namespace

TEST_F(QbeStoreTest, ASavedQueryIsRecalledAfterTheProgramRestarts) {
  QString applied;
  {
    Settings settings;
    ASSERT_TRUE(settings.open(file));
    SavedQueries saved(settings, QStringLiteral("BrowseMarca"));
    QueryItems items = brandItems();
    items[0].setRange(QStringLiteral("2"), QStringLiteral("8"));
    items[1].setValue(QStringLiteral("*D'ROJO, MEDIO"));
    ASSERT_TRUE(saved.save(QStringLiteral("Rojos $ y, otros"), items));
    ASSERT_TRUE(saved.save(QStringLiteral("azules"), brandItems()));
    applied = queryFilter(items).text;
    settings.close();
  }
  Settings settings;
  ASSERT_TRUE(settings.open(file));
  SavedQueries saved(settings, QStringLiteral("BrowseMarca"));
  EXPECT_EQ(saved.names(), (QStringList{"azules", "Rojos $ y, otros"}));
  EXPECT_EQ(saved.lastUsed(), "azules");
  QueryItems items = brandItems();
  ASSERT_TRUE(saved.load(QStringLiteral("rojos $ Y, otros"), items));
  EXPECT_EQ(items[0].low, "2");
  EXPECT_EQ(items[0].high, "8");
  EXPECT_EQ(items[1].value, "*D'ROJO, MEDIO");
  EXPECT_EQ(queryFilter(items).text, applied);

  // How the file keeps it: a sector of the list and its rows in "Query".
  const QString entry = Settings::sectorName(QStringLiteral("BrowseMarca"), QStringLiteral("Rojos $ y, otros"),
                                             QStringLiteral("Query"));
  EXPECT_EQ(settings.tryFetch(QStringLiteral("Query"), entry), "3");
  EXPECT_EQ(settings.tryFetch(QStringLiteral("Query"), entry + QStringLiteral("_3")), "Descripcion,*D'ROJO, MEDIO");
  EXPECT_EQ(settings.listSectors(QStringLiteral("BrowseMarca"), {}, QStringLiteral("Query")).size(), 2);
}

TEST_F(QbeStoreTest, QueriesAreKeptPerListReplacedByNameAndRemoved) {
  Settings settings;
  ASSERT_TRUE(settings.open(file));
  SavedQueries brands(settings, QStringLiteral("BrowseMarca"));
  SavedQueries lines(settings, QStringLiteral("BrowseLinea"));
  QueryItems items = brandItems();
  items[1].setValue(QStringLiteral("ROJO*"));
  ASSERT_TRUE(brands.save(QStringLiteral("Uno"), items));
  EXPECT_TRUE(lines.names().isEmpty());
  QueryItems other = items;
  EXPECT_FALSE(lines.load(QStringLiteral("Uno"), other));

  items[1].setValue(QStringLiteral("AZUL*"));
  items[0].setValue(QStringLiteral(">=4"));
  ASSERT_TRUE(brands.save(QStringLiteral("UNO"), items));  // the same query, saved again
  EXPECT_EQ(brands.names(), QStringList{"Uno"});
  QueryItems back = brandItems();
  ASSERT_TRUE(brands.load(QStringLiteral("Uno"), back));
  EXPECT_EQ(back[0].value, ">=4");
  EXPECT_EQ(back[1].value, "AZUL*");

  EXPECT_FALSE(brands.save(QStringLiteral("a=b"), items));
  EXPECT_FALSE(brands.save(QStringLiteral("  "), items));
  EXPECT_TRUE(brands.remove(QStringLiteral("uno")));
  EXPECT_TRUE(brands.names().isEmpty());
  EXPECT_TRUE(settings.listSectors(QStringLiteral("BrowseMarca")).isEmpty());
  EXPECT_FALSE(brands.load(QStringLiteral("Uno"), back));
}
