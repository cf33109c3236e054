// Outputs that cannot be had or written: the message, OPEN and TAKERECORD
// answering false, and nothing written.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "kalrep/export_codes.h"
#include "kalrep_test_support.h"
#include "runtime/scripted_presenter.h"

namespace bv::test {
namespace {

TEST(ExportFailures, AFileThatCannotBeCreatedIsReportedAndNothingIsWritten) {
  QTemporaryDir dir;
  for (kal::Byte type : {kal::kCsv, kal::kSpreadsheet, kal::kHtml, kal::kDbf, kal::kRtf}) {
    ScriptedPresenter messages;
    PresenterScope scope(messages);
    const QString file = dir.filePath(QStringLiteral("no/existe/salida.out"));
    SampleExport e;
    ASSERT_TRUE(e.start(type, file, dir.filePath(QStringLiteral("bravent.INI"))));
    EXPECT_FALSE(e.OPEN()) << int(type);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text(),
              QStringLiteral("Ocurrio un error al acceder al archivo:") + file);
    EXPECT_EQ(messages.shown()[0].title(), QStringLiteral("Error"));
    EXPECT_EQ(messages.shown()[0].buttons().size(), 1);
    // The worker stays failed: no second attempt, no second message, no rows.
    EXPECT_FALSE(e.OPEN());
    EXPECT_FALSE(e.TAKERECORD());
    e.CLOSE();
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_FALSE(QFile::exists(file));
  }
}

// Limits the size of the files this process writes, so that a write meets a
// full disk part of the way through; the limit's signal is ignored so that the
// write fails instead.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

// Records written until TAKERECORD answers false (at most 100).
int recordsUntilFailure(SampleExport& e) {
  for (int i = 0; i < 100; ++i)
    if (!e.record(QStringLiteral("C%1").arg(i), QStringLiteral("Blanco"), "1")) return i;
  return 100;
}

TEST(ExportFailures, AWriteThatFailsMidwayStopsTheRecords) {
  QTemporaryDir dir;
  // Each format gets room for its head and a few rows.
  const std::pair<kal::Byte, rlim_t> limits[] = {
      {kal::kCsv, 600}, {kal::kDbf, 600}, {kal::kHtml, 2500}, {kal::kRtf, 5000}};
  for (const auto& [type, bytes] : limits) {
    const QString file = dir.filePath(QStringLiteral("lleno%1").arg(type));
    SampleExport e;
    ASSERT_TRUE(e.start(type, file, dir.filePath(QStringLiteral("bravent.INI"))));
    int written = 0;
    {
      FileSizeLimit limit(bytes);
      ASSERT_TRUE(e.OPEN());
      written = recordsUntilFailure(e);
    }
    EXPECT_GT(written, 0) << int(type);
    EXPECT_LT(written, 100) << int(type);
    EXPECT_LE(QFileInfo(file).size(), qint64(bytes));
  }
}

TEST(ExportFailures, ADbfWithAFailedWriteCountsOnlyItsWholeRecords) {
  QTemporaryDir dir;
  ScriptedPresenter messages;
  PresenterScope scope(messages);
  const QString file = dir.filePath(QStringLiteral("parcial.dbf"));
  SampleExport e;
  ASSERT_TRUE(e.start(kal::kDbf, file, dir.filePath(QStringLiteral("bravent.INI"))));
  int written = 0;
  {
    FileSizeLimit limit(129 + 41 * 3 + 20);  // room for three records and part of a fourth
    ASSERT_TRUE(e.OPEN());
    written = recordsUntilFailure(e);
  }
  EXPECT_EQ(written, 3);
  e.CLOSE();
  const QByteArray bytes = readBytes(file);
  ASSERT_GE(bytes.size(), 32);
  EXPECT_EQ(int(bytes[4]), 3);
}

}  // namespace
}  // namespace bv::test
