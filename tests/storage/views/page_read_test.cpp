// The file layer's page read, which views read by: the same records, in the
// same order, with the cursor left where as many single reads leave it.
#include "tests/storage/views/views_fixture.h"

namespace bv::test {
namespace {

using PageRead = ViewsTest;

TEST_F(PageRead, APageIsWhatAsManySingleReadsGive) {
  baseline();
  finishedProducts(25);
  const TableDef& t = file("Terminado").table();
  const KeyDef& byDescription = file("Terminado").keyDef(u"TER:KEYDES");
  auto paged = layer->file(t), single = layer->file(t);
  ASSERT_EQ(paged->open(kShareDenyWrite, false, false), kFileOk);
  ASSERT_EQ(single->open(kShareDenyWrite, false, false), kFileOk);
  for (bool forward : {true, false}) {
    paged->setPosition(&byDescription, forward ? FileEdge::Start : FileEdge::End);
    single->setPosition(&byDescription, forward ? FileEdge::Start : FileEdge::End);
    QStringList byPages, oneByOne;
    std::vector<Record> records;
    std::vector<RecordPosition> positions;
    int code = kFileOk;
    while ((code = paged->readPage(forward, 7, records, positions)) == kFileOk) {
      EXPECT_EQ(paged->position(), positions.back());
    }
    EXPECT_EQ(code, kRecordNotAvailable);
    for (std::size_t i = 0; i < records.size(); ++i)
      byPages << records[i].text("TER:DESCRIPCION") + u'@' + QString::number(positions[i]);
    Record r(t);
    while ((forward ? single->next(r) : single->previous(r)) == kFileOk)
      oneByOne << r.text("TER:DESCRIPCION") + u'@' + QString::number(single->position());
    EXPECT_EQ(lines(byPages), lines(oneByOne)) << (forward ? "forward" : "backward");
    EXPECT_EQ(byPages.size(), 26);
  }
  // A page from a key value, then single reads go on after its last record.
  Record from = terminado("", "PRODUCTO 010");
  paged->setPosition(byDescription, from);
  std::vector<Record> records;
  std::vector<RecordPosition> positions;
  ASSERT_EQ(paged->readPage(true, 3, records, positions), kFileOk);
  EXPECT_EQ(records.back().text("TER:DESCRIPCION"), "PRODUCTO 012");
  Record r(t);
  ASSERT_EQ(paged->next(r), kFileOk);
  EXPECT_EQ(r.text("TER:DESCRIPCION"), "PRODUCTO 013");
  ASSERT_EQ(paged->previous(r), kFileOk);
  EXPECT_EQ(r.text("TER:DESCRIPCION"), "PRODUCTO 012");
}

}  // namespace
}  // namespace bv::test
