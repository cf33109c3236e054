// Pages for lists and key values for progress.
#include <algorithm>

#include "storage/views/view_manager.h"

namespace bv {

ViewPage ViewManager::collect(int rows, bool forward) {
  ViewPage page;
  while (static_cast<int>(page.rows.size()) < rows) {
    const int level = advance(forward);
    if (level == kLevelNotice) {
      (forward ? page.atEnd : page.atStart) = true;
      break;
    }
    if (level != kLevelBenign) {
      page.level = level;
      break;
    }
    page.rows.push_back(*view_.current());
  }
  if (!forward) std::reverse(page.rows.begin(), page.rows.end());
  return page;
}

ViewPage ViewManager::firstPage(int rows) {
  view_.toStart();
  ViewPage page = collect(rows, true);
  page.atStart = true;
  return page;
}

ViewPage ViewManager::lastPage(int rows) {
  view_.toEnd();
  ViewPage page = collect(rows, false);
  page.atEnd = true;
  return page;
}

ViewPage ViewManager::nextPage(const ViewRow& after, int rows) {
  if (view_.toRecord(after) != kFileOk) {
    ViewPage page;
    page.level = readError();
    return page;
  }
  return collect(rows, true);
}

ViewPage ViewManager::previousPage(const ViewRow& before, int rows) {
  if (view_.toRecord(before) != kFileOk) {
    ViewPage page;
    page.level = readError();
    return page;
  }
  return collect(rows, false);
}

ViewPage ViewManager::pageAt(const std::vector<FieldValue>& values, int rows) {
  if (view_.toValues(values) != kFileOk) {
    ViewPage page;
    page.level = readError();
    return page;
  }
  return collect(rows, true);
}

QString ViewManager::currentKeyValue() { return view_.current() ? view_.orderValueText(0) : QString(); }

QString ViewManager::firstKeyValue() {
  view_.toStart();
  const QString value = advance(true) == kLevelBenign ? view_.orderValueText(0) : QString();
  view_.toStart();
  return value;
}

QString ViewManager::lastKeyValue() {
  view_.toEnd();
  const QString value = advance(false) == kLevelBenign ? view_.orderValueText(0) : QString();
  view_.toStart();
  return value;
}

}  // namespace bv
