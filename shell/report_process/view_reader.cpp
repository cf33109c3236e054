#include "shell/report_process/view_reader.h"

#include <algorithm>

namespace bv {

qint64 ViewReader::recordCount() const { return std::max<qint64>(0, view_.recordCount()); }

qint64 ViewReader::fileSize() const { return std::max<qint64>(0, view_.fileSize()); }

void ViewReader::close() {
  view_.close();
  if (closeTables_) closeTables_();
}

}  // namespace bv
