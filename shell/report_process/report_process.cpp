#include "shell/report_process/report_process.h"

#include "runtime/report/report.h"
#include "storage/errors/error_manager.h"

#include <QElapsedTimer>
#include <algorithm>

namespace bv {
namespace {
qint64 systemTicks() {
  static QElapsedTimer timer;
  if (!timer.isValid()) timer.start();
  return timer.elapsed() / 10;
}
}  // namespace

ReportProcess::ReportProcess(ProcessReader& reader, Report* report, RecordStep step)
    : reader_(reader), report_(report), step_(std::move(step)), clock_(systemTicks) {}

void ReportProcess::setStepObject(ProcessStep* step, bool ignoreCase) {
  stepObject_ = step;
  ignoreCase_ = ignoreCase;
}

void ReportProcess::open() {
  count_ = 0;
  bytesRead_ = 0;
  percent_ = 0;
  batch_ = 1;
  response_ = Response::Running;
  reader_.reset();
  if (stepObject_) {
    QString first = reader_.firstKeyValue(), last = reader_.lastKeyValue();
    if (ignoreCase_) {
      first = first.toUpper();
      last = last.toUpper();
    }
    stepObject_->setRange(first, last);
    reader_.reset();
  } else if (toProcess_ == 0 && !useBytes_) {
    toProcess_ = reader_.recordCount();
    if (toProcess_ == 0) {
      useBytes_ = true;
      bytesTotal_ = reader_.fileSize();
    }
  }
  if (const int level = readNext(); level != 0) {
    // A read error was reported by the reader already (message 1).
    if (level == 5) ErrorManager::instance().raise(22);
    finishedAtOpening_ = true;
    return;
  }
  finishedAtOpening_ = false;
  if (report_) report_->open();
}

int ReportProcess::readNext() {
  const int level = reader_.next();
  if (level != 0) return level;
  if (useBytes_) bytesRead_ += reader_.recordSize();
  ++count_;
  updatePercent();
  return 0;
}

void ReportProcess::updatePercent() {
  qint64 pct = 0;
  if (stepObject_) {
    QString key = reader_.currentKeyValue();
    pct = stepObject_->percentFor(ignoreCase_ ? key.toUpper() : key);
  } else if (useBytes_) {
    pct = bytesTotal_ > 0 ? bytesRead_ * 100 / bytesTotal_ : 0;
  } else {
    pct = toProcess_ > 0 ? count_ * 100 / toProcess_ : 0;
  }
  pct = std::clamp<qint64>(pct, 0, 100);
  if (pct == percent_ && !percentText_.isEmpty()) return;
  percent_ = static_cast<int>(pct);
  percentText_ = QString::number(percent_) + QStringLiteral("% Completo");
  if (progress_) progress_(percent_, percentText_);
}

int ReportProcess::handleOne() {
  if (step_) step_();
  if (response_ == Response::Cancelled) return 3;
  return readNext();
}

int ReportProcess::timerEvent() {
  if (ended()) return response_ == Response::Completed ? 5 : 3;
  if (finishedAtOpening_) {
    end(3);
    return 3;
  }
  const qint64 start = clock_();
  for (;;) {
    for (int handled = 0; handled < batch_; ++handled) {
      const int level = handleOne();  // 3 too when the step cancelled the process
      if (level != 0) {
        end(level);
        return level;
      }
    }
    const qint64 spent = clock_() - start;
    if (spent * 5 < static_cast<qint64>(target_) * 4) {
      batch_ *= 2;
      if (spent * 2 < target_) continue;  // still under half the target: another batch
    }
    if (spent * 2 > static_cast<qint64>(target_) * 3 && batch_ > 1) batch_ /= 2;
    return 0;
  }
}

void ReportProcess::cancel() {
  if (!ended()) response_ = Response::Cancelled;
}

void ReportProcess::end(int level) {
  if (response_ == Response::Cancelled) return;  // cancelled by the step itself
  response_ = (level == 5 && count_ > 0) ? Response::Completed : Response::Cancelled;
}

bool ReportProcess::close(const PreviewOptions& preview) {
  bool printed = false;
  if (report_ && report_->isOpen()) {
    if (response_ == Response::Completed) {
      report_->endReport();
      if (!skipPreview_) {
        const PreviewDecision decision = runPreview(*report_, preview);
        if (decision.print) printed = report_->printPages(decision.pages);
      }
    }
    report_->discard();
  }
  reader_.close();
  return printed;
}

ReportProcess::Response ReportProcess::runWithoutScreen() {
  open();
  while (timerEvent() == 0) {
  }
  PreviewOptions headless;
  headless.onScreen = false;
  close(headless);
  return response_;
}

}  // namespace bv
