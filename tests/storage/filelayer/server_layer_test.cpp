// What only a layer on a database server meets: the share codes between
// stations as the server's locks, a connection lost alone or inside a
// transaction, and the server stopped half-way through a transaction over two
// tables. These run only with the tests' throwaway server.
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <libpq-fe.h>

#include "runtime/runtime_error.h"
#include "tests/storage/filelayer/layer_fixture.h"

namespace bv::test {

using namespace Qt::StringLiterals;
namespace {

class ServerLayer : public LayerTest {
 protected:
  // Ends the sessions of this directory's stations on the test server (named
  // after its schema): their connections are lost as when the network drops.
  void dropConnections() const {
    PGconn* admin = PQconnectdb(testServerConnection().toUtf8().constData());
    const QByteArray name = testSchemaOf(dir.path()).toUtf8();
    const char* values[] = {name.constData()};
    PQclear(PQexecParams(admin,
                         "SELECT pg_terminate_backend(pid) FROM pg_stat_activity WHERE application_name = $1",
                         1, nullptr, values, nullptr, nullptr, 0));
    PQfinish(admin);
  }
  qint64 countOn(FileLayer& l, const char* label) {
    auto f = l.file(tableDef(label));
    EXPECT_EQ(f->open(kShareDenyNone), kFileOk);
    return f->recordCount();
  }
};

TEST_F(ServerLayer, ShareCodesHoldBetweenStationsAndNeverWithinOne) {
  auto mine = open("Basicos", kShareDenyWrite);
  // Within one layer opens never block each other.
  auto again = open("Basicos", kShareDenyNone);
  auto other = makeLayer();
  auto theirs = other->file(tableDef("Basicos"));
  EXPECT_EQ(theirs->open(kShareDenyNone), kFileAccessDenied);
  EXPECT_EQ(theirs->open(kShareDenyWrite), kFileAccessDenied);
  // Reading only takes no lock.
  ASSERT_EQ(theirs->open(0x40), kFileOk);
  theirs->close();
  // The exclusive open gone, the shared one left lets others share.
  mine->close();
  ASSERT_EQ(theirs->open(kShareDenyNone), kFileOk);
  auto third = makeLayer()->file(tableDef("Basicos"));
  EXPECT_EQ(third->open(kShareDenyWrite), kFileAccessDenied);
  again->close();
  theirs->close();
  EXPECT_EQ(third->open(kShareDenyWrite), kFileOk);
}

TEST_F(ServerLayer, AWriteRefusedInsideATransactionLeavesTheRestOfItStanding) {
  auto bas = open("Basicos");
  auto lin = open("Linea");
  ASSERT_EQ(bas->add(basico("A")), kFileOk);
  ASSERT_EQ(bas->markForTransaction(), kFileOk);
  ASSERT_EQ(lin->markForTransaction(), kFileOk);
  ASSERT_EQ(layer->beginTransaction(1), kFileOk);
  ASSERT_EQ(bas->add(basico("B")), kFileOk);
  EXPECT_EQ(bas->add(basico("A")), kDuplicateKey);
  ASSERT_EQ(bas->add(basico("C")), kFileOk);
  ASSERT_EQ(layer->commit(), kFileOk);
  EXPECT_EQ(readAll(*bas, &keyDef("BAS:KEYCOD"), "BAS:CODIGO"), (QStringList{"A", "B", "C"}));
}

TEST_F(ServerLayer, ALostConnectionAnswers90WithTheServersTextAndTheNextCallGoesOn) {
  auto bas = open("Basicos");
  ASSERT_EQ(bas->add(basico("A")), kFileOk);
  dropConnections();
  Record r(bas->table());
  bas->setPosition(nullptr, FileEdge::Start);
  EXPECT_EQ(bas->next(r), kFileSystemError);
  EXPECT_EQ(currentRuntimeError().code, kFileSystemError);
  EXPECT_FALSE(currentRuntimeError().fileText.isEmpty());
  bas->setPosition(nullptr, FileEdge::Start);
  ASSERT_EQ(bas->next(r), kFileOk);
  EXPECT_EQ(r.text("BAS:CODIGO"), "A");
  // The share lock is the session's: taken again with the new connection.
  auto other = makeLayer()->file(tableDef("Basicos"));
  bas.reset();
  auto exclusive = open("Linea", kShareDenyWrite);
  dropConnections();
  EXPECT_EQ(exclusive->recordCount(), -1);
  EXPECT_EQ(exclusive->recordCount(), 0);
  EXPECT_EQ(makeLayer()->file(tableDef("Linea"))->open(kShareDenyNone), kFileAccessDenied);
}

TEST_F(ServerLayer, ATransactionCutByALostConnectionKeepsNothingAndRunsNothingOutsideIt) {
  auto bas = open("Basicos");
  auto lin = open("Linea");
  ASSERT_EQ(bas->markForTransaction(), kFileOk);
  ASSERT_EQ(lin->markForTransaction(), kFileOk);
  ASSERT_EQ(layer->beginTransaction(1), kFileOk);
  ASSERT_EQ(bas->add(basico("A")), kFileOk);
  dropConnections();
  Record line(lin->table());
  line.setDecimal("LIN:CODIGO", Decimal(1));
  // The rest of the transaction must not be written on its own.
  EXPECT_EQ(lin->add(line), kFileSystemError);
  EXPECT_EQ(bas->add(basico("B")), kFileSystemError);
  EXPECT_EQ(layer->commit(), kFileSystemError);
  EXPECT_EQ(layer->rollback(), kFileOk);
  auto other = makeLayer();
  EXPECT_EQ(countOn(*other, "Basicos"), 0);
  EXPECT_EQ(countOn(*other, "Linea"), 0);
  // The station goes on.
  ASSERT_EQ(bas->add(basico("C")), kFileOk);
  EXPECT_EQ(countOn(*other, "Basicos"), 1);
}

// A server of its own, stopped at once (as by a power cut) between the writes
// of a transaction over two tables and started again.
TEST_F(ServerLayer, AServerStoppedHalfWayKeepsNothingOfTheTransactionAndTheStationGoesOn) {
  // Beside the temporary folders, not in one: the server's account must reach it.
  const QString socket = QDir::temp().filePath(u"bravent-halt-%1"_s.arg(QCoreApplication::applicationPid()));
  auto server = [&](const char* action) {
    return QProcess::execute(QStringLiteral(BRAVENT_SERVER_SCRIPT), {QString::fromLatin1(action), socket});
  };
  ASSERT_EQ(server("start"), 0);
  // Stopped and removed however the test ends.
  const std::shared_ptr<void> stop(nullptr, [&](void*) { server("stop"); });
  const QString connection = u"host=%1 dbname=postgres user=bravent"_s.arg(socket);
  auto station = createServerLayer({dir.path(), dir.path(), 500}, connection);
  auto bas = station->file(tableDef("Basicos"));
  auto lin = station->file(tableDef("Linea"));
  ASSERT_EQ(bas->open(kShareDenyNone, true), kFileOk);
  ASSERT_EQ(lin->open(kShareDenyNone, true), kFileOk);
  ASSERT_EQ(bas->add(basico("KEEP")), kFileOk);
  ASSERT_EQ(bas->markForTransaction(), kFileOk);
  ASSERT_EQ(lin->markForTransaction(), kFileOk);
  ASSERT_EQ(station->beginTransaction(1), kFileOk);
  ASSERT_EQ(bas->add(basico("HALF")), kFileOk);
  ASSERT_EQ(server("halt"), 0);
  Record line(lin->table());
  line.setDecimal("LIN:CODIGO", Decimal(1));
  EXPECT_EQ(lin->add(line), kFileSystemError);
  EXPECT_EQ(station->commit(), kFileSystemError);
  station->rollback();
  ASSERT_EQ(server("resume"), 0);
  // Nothing half-written; the station works again once the server is back.
  EXPECT_EQ(bas->recordCount(), 1);
  EXPECT_EQ(lin->recordCount(), 0);
  ASSERT_EQ(bas->add(basico("AFTER")), kFileOk);
  EXPECT_EQ(readAll(*bas, &keyDef("BAS:KEYCOD"), "BAS:CODIGO"), (QStringList{"AFTER", "KEEP"}));
}

}  // namespace
}  // namespace bv::test
