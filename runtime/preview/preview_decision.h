#pragma once
// What the print preview answers: print or not, and which pages.
#include "runtime/report/page_selection.h"

namespace bv {

struct PreviewDecision {
  bool print = false;
  PageSelection pages;  // what to print when print is set

  static PreviewDecision leave() { return {}; }
  static PreviewDecision printing(PageSelection pages) { return {true, std::move(pages)}; }
  friend bool operator==(const PreviewDecision&, const PreviewDecision&) = default;
};

}  // namespace bv
