#include "storage/settings/settings.h"
#include "tests/storage/settings/settings_test_support.h"

#include <QFile>
#include <gtest/gtest.h>
#include <thread>

namespace bv {
namespace {

class SettingsTest : public ::testing::Test, protected test::IniFixture {
 protected:
  void SetUp() override { ASSERT_TRUE(settings.open(path())); }
  Settings settings;
};

TEST_F(SettingsTest, MissingEntriesAndFile) {
  EXPECT_EQ(settings.fetch("Main", "Nothing"), "---Unknown---");
  EXPECT_EQ(settings.tryFetch("Main", "Nothing"), "");
  EXPECT_FALSE(QFile::exists(path())) << "reading must not create the file";
  ASSERT_TRUE(settings.update("Main", "Empty", ""));
  EXPECT_EQ(settings.fetch("Main", "Empty"), "");
  EXPECT_EQ(bytes(), "[Main]\r\nEmpty=\r\n");
}

TEST_F(SettingsTest, NamesIgnoreCaseValuesKeepEqualsSigns) {
  ASSERT_TRUE(settings.update("Main", "Filter", "A=1,B=2"));
  EXPECT_EQ(settings.fetch("MAIN", "filter"), "A=1,B=2");
  ASSERT_TRUE(settings.update("main", "FILTER", "C=3"));
  EXPECT_EQ(bytes(), "[Main]\r\nFilter=C=3\r\n");
  EXPECT_EQ(settings.fetchField("Main", "Filter", 1), "C=3");
  ASSERT_TRUE(settings.update("Main", "Row", "a,b,,d"));
  EXPECT_EQ(settings.fetchField("Main", "Row", 2), "b");
  EXPECT_EQ(settings.fetchField("Main", "Row", 3), "");
  EXPECT_EQ(settings.fetchField("Main", "Row", 4), "d");
  EXPECT_EQ(settings.fetchField("Main", "Row", 5), "");
}

TEST_F(SettingsTest, MalformedLinesSkippedAndKeptInOrder) {
  write(QByteArray("stray\r\n[Broken\r\n[Main]\r\nb=2\r\nno equals sign\r\n\x01\xff\x81=\r\n"
                   "=orphan\r\na = x=y \r\n; note\r\n\r\n[Other]\r\nk=v\r\n"));
  EXPECT_EQ(settings.fetch("Main", "a"), "x=y");
  EXPECT_EQ(settings.fetch("Main", "b"), "2");
  EXPECT_EQ(settings.fetch("Broken", "b"), "---Unknown---");
  EXPECT_EQ(settings.fetch("Other", "k"), "v");
  ASSERT_TRUE(settings.update("Main", "c", "3"));
  ASSERT_TRUE(settings.update("Main", "b", "22"));
  // Untouched lines keep their bytes and places; the new entry follows the last one.
  EXPECT_EQ(bytes(), QByteArray("stray\r\n[Broken\r\n[Main]\r\nb=22\r\nno equals sign\r\n"
                                "\x01\xff\x81=\r\n=orphan\r\na = x=y \r\nc=3\r\n; note\r\n\r\n"
                                "[Other]\r\nk=v\r\n"));
}

TEST_F(SettingsTest, NamesTheFormatCannotHoldAreRefused) {
  EXPECT_FALSE(settings.update("Main", "a=b", "1"));
  EXPECT_FALSE(settings.update("Main", "[x", "1"));
  EXPECT_FALSE(settings.update("Ma\nin", "a", "1"));
  EXPECT_FALSE(QFile::exists(path()));
  ASSERT_TRUE(settings.update("Main", "a", "one\r\ntwo\nthree"));
  EXPECT_EQ(settings.fetch("Main", "a"), "one two three");
  EXPECT_EQ(bytes(), "[Main]\r\na=one two three\r\n");
}

TEST_F(SettingsTest, WindowsCodePageOnDisk) {
  ASSERT_TRUE(settings.update("Configuración", "Título", "Año € ✓"));
  const QByteArray onDisk = bytes();
  EXPECT_TRUE(onDisk.contains("[Configuraci\xF3n]")) << onDisk.toHex().toStdString();
  EXPECT_TRUE(onDisk.contains("T\xEDtulo=A\xF1o \x80 ?"));
  Settings other;
  ASSERT_TRUE(other.open(path()));
  EXPECT_EQ(other.fetch("CONFIGURACIÓN", "Título"), "Año € ?");
}

TEST_F(SettingsTest, FileFoundWhateverItsLetterCase) {
  write("[Main]\r\na=1\r\n", "BRAVENT.ini");
  Settings other;
  ASSERT_TRUE(other.open(path()));
  EXPECT_EQ(other.fetch("Main", "a"), "1");
  EXPECT_TRUE(other.fileName().endsWith("BRAVENT.ini"));
}

TEST_F(SettingsTest, UnwritablePlaceReportsFailure) {
  Settings lost;
  ASSERT_TRUE(lost.open(path("no/such/folder/bravent.INI")));
  EXPECT_FALSE(lost.update("Main", "a", "1"));
  EXPECT_EQ(lost.tryFetch("Main", "a"), "");
}

TEST_F(SettingsTest, RegisterStoredAsNumberedEntries) {
  ASSERT_TRUE(settings.addSector("BrowseMarca", "Rojos", "Query"));
  ASSERT_TRUE(settings.addSector("BrowseMarca", "Azules", "Query"));
  ASSERT_TRUE(settings.addSector("BrowseLinea", "Todo", "Query"));
  ASSERT_TRUE(settings.addSector("browsemarca", "ROJOS", "query"));  // already there
  settings.close();
  EXPECT_EQ(bytes(), "[__Dont_Touch_Me__]\r\nSectors=3\r\nSectors_1=BrowseMarca,Rojos,Query\r\n"
                     "Sectors_2=BrowseMarca,Azules,Query\r\nSectors_3=BrowseLinea,Todo,Query\r\n");

  ASSERT_TRUE(settings.open(path()));
  EXPECT_EQ(settings.listSectors().size(), 3);
  EXPECT_EQ(settings.listSectors("BrowseMarca").size(), 2);
  EXPECT_EQ(settings.listSectors("", "todo").size(), 1);
  EXPECT_EQ(settings.listSectors("", "", "Layout").size(), 0);
  ASSERT_TRUE(settings.removeSector("BrowseMarca", "Rojos", "Query"));
  EXPECT_EQ(settings.tryFetch(Settings::kRegisterSection, "Sectors"), "2");
  EXPECT_EQ(settings.tryFetch(Settings::kRegisterSection, "Sectors_2"), "BrowseLinea,Todo,Query");
  EXPECT_EQ(settings.fetch(Settings::kRegisterSection, "Sectors_3"), "---Unknown---");
}

TEST_F(SettingsTest, DollarsAndCommasInItems) {
  EXPECT_EQ(Settings::sectorName("Fam", "a$b", "Query"), "Fam$a$$$b$$Query");
  for (const QString item : {"a$b", "$", "$$", "$$$", "x$", "$y", "", "plain"}) {
    const Sector parsed = Settings::parseSectorName(Settings::sectorName("Fam", item, "Query"));
    EXPECT_EQ(parsed, (Sector{"Fam", item, "Query"})) << item.toStdString();
  }
  ASSERT_TRUE(settings.addSector("Fam", "a$b, c", "Query"));
  EXPECT_EQ(settings.tryFetch(Settings::kRegisterSection, "Sectors_1"), "Fam,a$$$b, c,Query");
  const QList<Sector> listed = settings.listSectors("Fam", "a$b, c");
  ASSERT_EQ(listed.size(), 1);
  EXPECT_EQ(listed.first(), (Sector{"Fam", "a$b, c", "Query"}));
}

TEST_F(SettingsTest, ListsRoundTrip) {
  const QList<SettingsRow> three = {{"a", "b", "c"}, {"", "x", ""}, {"only"}};
  ASSERT_TRUE(settings.updateList("Lists", "Three", three, 3));
  EXPECT_EQ(settings.tryFetch("Lists", "Three_3"), "only,,");
  EXPECT_EQ(settings.fetchList("Lists", "Three", 3),
            (QList<SettingsRow>{{"a", "b", "c"}, {"", "x", ""}, {"only", "", ""}}));

  // A query row: the expression, the last field, may hold commas.
  const QList<SettingsRow> query = {{"TER:Codigo", "SUB(TER:Codigo,1,2) = '07'"}};
  ASSERT_TRUE(settings.updateList("Query", "Fam$q$$Query", query, 2));
  EXPECT_EQ(settings.fetchList("Query", "Fam$q$$Query", 2), query);

  EXPECT_TRUE(settings.fetchList("Lists", "Missing", 2).isEmpty());
  ASSERT_TRUE(settings.update("Lists", "Damaged", "999999999"));
  EXPECT_LE(settings.fetchList("Lists", "Damaged", 1).size(), 10);

  // Fewer rows drop the rows left over.
  ASSERT_TRUE(settings.updateList("Lists", "Three", {{"z"}}, 1));
  EXPECT_EQ(settings.fetchList("Lists", "Three", 1), (QList<SettingsRow>{{"z"}}));
  EXPECT_EQ(settings.fetch("Lists", "Three_2"), "---Unknown---");
}

TEST_F(SettingsTest, TwoStationsKeepEachOthersEntries) {
  Settings other;
  ASSERT_TRUE(other.open(path()));
  ASSERT_TRUE(settings.update("Main", "FromA", "1"));
  ASSERT_TRUE(other.update("Main", "FromB", "2"));
  ASSERT_TRUE(settings.addSector("Fam", "A", "Query"));
  ASSERT_TRUE(other.addSector("Fam", "B", "Query"));
  EXPECT_EQ(settings.fetch("Main", "FromB"), "2");
  settings.close();
  other.close();
  ASSERT_TRUE(settings.open(path()));
  EXPECT_EQ(settings.fetch("Main", "FromA"), "1");
  EXPECT_EQ(settings.fetch("Main", "FromB"), "2");
  EXPECT_EQ(settings.listSectors("Fam").size(), 2);
}

TEST_F(SettingsTest, ConcurrentWritersLoseNothing) {
  constexpr int kEach = 60;
  const auto station = [this](const QString& prefix) {
    Settings own;
    own.open(path());
    for (int i = 0; i < kEach; ++i) own.update("Main", prefix + QString::number(i), "v");
  };
  std::thread a(station, QStringLiteral("A"));
  std::thread b(station, QStringLiteral("B"));
  a.join();
  b.join();
  for (int i = 0; i < kEach; ++i) {
    EXPECT_EQ(settings.tryFetch("Main", "A" + QString::number(i)), "v") << i;
    EXPECT_EQ(settings.tryFetch("Main", "B" + QString::number(i)), "v") << i;
  }
}

TEST(SettingsGlobal, OneSharedInstance) { EXPECT_EQ(&Settings::global(), &Settings::global()); }

}  // namespace
}  // namespace bv
