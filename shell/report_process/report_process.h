#pragma once
// The report process: reads the report's view in adaptive batches on timer
// events, hands each record to the procedure's own step (its computations and the
// printing of its detail), keeps the percentage for the progress window, and at
// the end shows the print preview and prints or discards the pages.
#include "runtime/preview/preview.h"
#include "shell/report_process/process_reader.h"

#include <QString>
#include <functional>

namespace bv {

class Report;

class ReportProcess {
 public:
  enum class Response { Running = 0, Completed = 1, Cancelled = 2 };
  // Hundredths of a second, from any fixed origin.
  using TickClock = std::function<qint64()>;
  using RecordStep = std::function<void()>;

  // `report` may be null for a process that prints nothing itself (a file export).
  ReportProcess(ProcessReader& reader, Report* report, RecordStep step);

  void setStepObject(ProcessStep* step, bool ignoreCase = false);
  void setClock(TickClock clock) { clock_ = std::move(clock); }
  void setTargetTime(int hundredths) { target_ = hundredths; }
  // Set for file outputs: the pages are neither previewed nor printed.
  void setSkipPreview(bool skip) { skipPreview_ = skip; }
  // Called whenever the percentage changes (the progress window follows it).
  void onProgress(std::function<void(int percent, const QString& text)> f) { progress_ = std::move(f); }

  // Resets the process and reads the first record. A view without records
  // raises message 22 and marks the process finished.
  void open();
  // One timer event. Returns 0 while the process goes on, else the level that
  // ended it (5 the view ended, 3 failed or finished at opening).
  int timerEvent();
  // "Cancelar": the process ends at once with the response cancelled.
  void cancel();
  // Ends the last page, shows the preview (unless skipped) and prints or
  // discards the pages; closes the procedure's tables. True when pages were printed.
  bool close(const PreviewOptions& preview = {});
  // The whole process without a window: open, timer events until it ends, close.
  // The preview's questions go through the choices interface.
  Response runWithoutScreen();

  Response response() const { return response_; }
  bool ended() const { return response_ != Response::Running; }
  qint64 count() const { return count_; }
  qint64 recordsToProcess() const { return toProcess_; }
  int percent() const { return percent_; }
  QString percentText() const { return percentText_; }
  int batchSize() const { return batch_; }

 private:
  int readNext();
  int handleOne();
  void updatePercent();
  void end(int level);

  ProcessReader& reader_;
  Report* report_;
  RecordStep step_;
  ProcessStep* stepObject_ = nullptr;
  bool ignoreCase_ = false;
  TickClock clock_;
  int target_ = 100;
  bool skipPreview_ = false;
  std::function<void(int, const QString&)> progress_;

  bool finishedAtOpening_ = false;
  bool useBytes_ = false;
  qint64 count_ = 0;
  qint64 toProcess_ = 0;
  qint64 bytesTotal_ = 0;
  qint64 bytesRead_ = 0;
  int percent_ = 0;
  QString percentText_;
  int batch_ = 1;
  Response response_ = Response::Running;
};

}  // namespace bv
