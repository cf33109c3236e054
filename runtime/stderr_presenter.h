#pragma once
// The headless runner's message window: each message becomes one line on
// standard error, "Title: text" with every "|" written as " / ", and is answered
// with its default button, except the questions that would repeat an operation,
// which are answered "&NO" so that a batch never loops.
#include "runtime/message_presenter.h"

#include <QTextStream>
#include <cstdio>
#include <memory>
#include <mutex>

namespace bv {

class StderrPresenter : public MessagePresenter {
 public:
  explicit StderrPresenter(FILE* out = stderr);
  // Writes to a caller's stream (tests capture the lines this way).
  explicit StderrPresenter(QTextStream& out);
  ~StderrPresenter() override;

  int present(const MessageBox& box) override;

  // The line written for a box (no line end).
  static QString lineFor(const MessageBox& box);
  // True for the titles of the questions that repeat an operation.
  static bool repeatsOperation(const QString& title);

 private:
  std::unique_ptr<QTextStream> owned_;
  QTextStream* out_;
  std::mutex mutex_;
};

}  // namespace bv
