#pragma once
// Formula workbooks for the import's tests, written through the automation
// object the way the spreadsheet would save them (".xlsx").
#include <QString>
#include <gtest/gtest.h>

#include "runtime/automation/cell_address.h"
#include "runtime/automation/workbook_automation.h"

namespace bv::test {

class WorkbookBuilder {
 public:
  // Puts `text` in the cell ("D3").
  WorkbookBuilder& cell(const QString& address, const QString& text) {
    EXPECT_TRUE(xl_.assign(QStringLiteral("Range(\"%1\").Value").arg(address), text)) << address.toStdString();
    return *this;
  }
  WorkbookBuilder& cell(int column, int row, const QString& text) {
    return cell(columnLetters(column) + QString::number(row), text);
  }
  // Saves the workbook; answers the path.
  QString save(const QString& path) {
    EXPECT_TRUE(xl_.send(QStringLiteral("ActiveWorkbook.SaveAs(\"%1\")").arg(path)));
    return path;
  }

 private:
  WorkbookAutomation xl_;
};

}  // namespace bv::test
