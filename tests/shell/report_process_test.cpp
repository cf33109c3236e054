#include "runtime/choices.h"
#include "runtime/message_presenter.h"
#include "runtime/report/report.h"
#include "runtime/scripted_presenter.h"
#include "shell/report_process/report_process.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace bv;
using Response = ReportProcess::Response;

namespace {

// A view of `records` records; `count` is what the file layer reports.
class FakeReader : public ProcessReader {
 public:
  FakeReader(int records, qint64 count) : records_(records), count_(count) {}
  void reset() override { at_ = 0; }
  int next() override { return at_ < records_ ? (++at_, 0) : 5; }
  qint64 recordCount() const override { return count_; }
  qint64 fileSize() const override { return qint64(records_) * 40; }
  qint64 recordSize() const override { return 40; }
  void close() override { closed = true; }
  bool closed = false;
  int at_ = 0;

 private:
  int records_;
  qint64 count_;
};

struct Script {
  ScriptedPresenter presenter;
  PresenterScope presenterScope{presenter};
  ScriptedChoices choices;
  ChoicesScope choicesScope{choices};
};

}  // namespace

TEST(ReportProcess, EmptyViewShowsMessage22AndNoPreview) {
  Script s;
  FakeReader reader(0, 0);
  Report report;
  ReportProcess p(reader, &report, [] {});
  EXPECT_EQ(p.runWithoutScreen(), Response::Cancelled);
  ASSERT_EQ(s.presenter.shown().size(), 1u);
  EXPECT_EQ(s.presenter.shown()[0].title(), QStringLiteral("No hay Registros"));
  EXPECT_TRUE(s.choices.asked().empty());
  EXPECT_TRUE(reader.closed);
}

TEST(ReportProcess, PercentageFromCountOrFromBytes) {
  Script s;
  for (qint64 count : {400, 0}) {  // 0: the table cannot tell, bytes are used
    FakeReader reader(400, count);
    QString textAtHundred;
    ReportProcess p(reader, nullptr, [&] {});
    p.onProgress([&](int, const QString& text) {
      if (reader.at_ == 100) textAtHundred = text;
    });
    p.setClock([] { return 0; });
    p.open();
    while (p.timerEvent() == 0) {
    }
    EXPECT_EQ(textAtHundred, QStringLiteral("25% Completo")) << count;
    EXPECT_EQ(p.percent(), 100);
    EXPECT_EQ(p.count(), 400);
    EXPECT_EQ(p.response(), Response::Completed);
  }
}

TEST(ReportProcess, BatchDoublesOnAFastMachineAndHalvesOnASlowOne) {
  FakeReader reader(10000, 10000);
  int handled = 0;
  ReportProcess p(reader, nullptr, [&] { ++handled; });
  qint64 now = 0, cost = 60;
  p.setClock([&] { return now += cost; });  // every reading of the clock: `cost` later
  p.open();
  QList<int> batches;
  for (int i = 0; i < 4; ++i) {
    batches << p.batchSize();
    ASSERT_EQ(p.timerEvent(), 0);
  }
  EXPECT_EQ(batches, (QList<int>{1, 2, 4, 8}));
  EXPECT_EQ(handled, 1 + 2 + 4 + 8);
  cost = 200;  // now each event takes twice the target
  p.timerEvent();
  EXPECT_EQ(p.batchSize(), 8);
  p.timerEvent();
  p.timerEvent();
  p.timerEvent();
  p.timerEvent();
  EXPECT_EQ(p.batchSize(), 1);
}

TEST(ReportProcess, UnderHalfTheTargetAnotherBatchInTheSameEvent) {
  FakeReader reader(100, 100);
  int handled = 0;
  ReportProcess p(reader, nullptr, [&] { ++handled; });
  qint64 now = 0;
  p.setClock([&] { return now += 10; });
  p.open();
  p.timerEvent();
  // 1, 2, 4 handled while the event stays under half the target; then 8 more
  // bring it past it.
  EXPECT_GT(handled, 1);
  EXPECT_GE(p.batchSize(), 8);
}

TEST(ReportProcess, CompletedProcessPrintsWhatThePreviewChose) {
  Script s;
  s.choices.answer("vista-previa", QStringLiteral("Imprimir"));
  QTemporaryDir dir;
  const QString pdf = dir.filePath("salida.pdf");
  FakeReader reader(3, 3);
  Report report;
  report.addBand(1, BandKind::Detail, QRect(0, 0, 7500, 1000));
  report.addControl(10, ControlKind::String, 1)->setRect(0, 0, 4000, 200);
  report.setTarget(PrintTarget::pdfFile(pdf));
  ReportProcess p(reader, &report, [&] {
    report.control(10)->setText(QStringLiteral("Renglón %1").arg(reader.at_));
    report.print(1);
  });
  EXPECT_EQ(p.runWithoutScreen(), Response::Completed);
  EXPECT_TRUE(QFile::exists(pdf));

  // A file output skips the preview: nothing is asked, nothing printed.
  Script quiet;
  QFile::remove(pdf);
  FakeReader again(3, 3);
  ReportProcess q(again, &report, [&] { report.print(1); });
  q.setSkipPreview(true);
  EXPECT_EQ(q.runWithoutScreen(), Response::Completed);
  EXPECT_TRUE(quiet.choices.asked().empty());
  EXPECT_FALSE(QFile::exists(pdf));
}

TEST(ReportProcess, CancelEndsWithoutPrinting) {
  Script s;
  FakeReader reader(50, 50);
  Report report;
  report.addBand(1, BandKind::Detail, QRect(0, 0, 7500, 1000));
  ReportProcess p(reader, &report, [&] { report.print(1); });
  qint64 now = 0;
  p.setClock([&] { return now += 200; });  // slow: one record per event
  p.open();
  p.timerEvent();
  p.cancel();
  EXPECT_EQ(p.response(), Response::Cancelled);
  EXPECT_FALSE(p.close());
  EXPECT_TRUE(s.choices.asked().empty());
}

TEST(ReportProcess, ACancelFromTheStepStaysCancelled) {
  Script s;
  FakeReader reader(10, 10);
  ReportProcess* self = nullptr;
  ReportProcess p(reader, nullptr, [&] {
    if (reader.at_ == 3) self->cancel();
  });
  self = &p;
  p.setClock([] { return 0; });
  EXPECT_EQ(p.runWithoutScreen(), Response::Cancelled);
  EXPECT_EQ(p.count(), 3);
}
