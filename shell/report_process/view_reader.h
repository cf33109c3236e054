#pragma once
// A report process reading its view through the view manager: record by
// record through the record test, with the primary table's count and sizes
// for the percentage, and the view's first order component for a step object.
#include <functional>

#include "runtime/context.h"
#include "shell/report_process/process_reader.h"
#include "storage/views/view_manager.h"

namespace bv {

class ViewReader : public ProcessReader {
 public:
  // `closeTables` closes the tables the procedure opened (run by close()).
  explicit ViewReader(ViewManager& view, std::function<void()> closeTables = {})
      : view_(view), closeTables_(std::move(closeTables)) {}

  void reset() override { view_.reset(); }
  int next() override { return view_.next(); }
  qint64 recordCount() const override;
  qint64 fileSize() const override;
  qint64 recordSize() const override { return view_.recordSize(); }
  QString currentKeyValue() const override { return view_.currentKeyValue(); }
  QString firstKeyValue() override { return view_.firstKeyValue(); }
  QString lastKeyValue() override { return view_.lastKeyValue(); }
  void close() override;

 private:
  ViewManager& view_;
  std::function<void()> closeTables_;
};

// A view reader that enters the procedure's execution context for each call:
// the progress window's timer calls it from the event loop, and the view puts
// the records it reads in the buffers of the current context.
class ContextViewReader : public ViewReader {
 public:
  ContextViewReader(ViewManager& view, ContextId context, std::function<void()> closeTables = {})
      : ViewReader(view, std::move(closeTables)), context_(context) {}
  void reset() override {
    const ContextGuard guard(context_);
    ViewReader::reset();
  }
  int next() override {
    const ContextGuard guard(context_);
    return ViewReader::next();
  }
  void close() override {
    const ContextGuard guard(context_);
    ViewReader::close();
  }

 private:
  ContextId context_;
};

}  // namespace bv
