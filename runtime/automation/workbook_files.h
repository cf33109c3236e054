#pragma once
// Workbook files: ".xls" (the older binary format) and ".xlsx" (Office Open XML)
// are read; workbooks are saved as ".xlsx". The format of a file to read is told
// by its contents, not by its name.
#include <QString>
#include <optional>

#include "runtime/automation/workbook.h"

namespace bv {

// The workbook in the file, or nullopt when it cannot be read (*error says why).
std::optional<Workbook> readWorkbookFile(const QString& path, QString* error = nullptr);
std::optional<Workbook> readXlsxFile(const QString& path, QString* error = nullptr);
std::optional<Workbook> readXlsFile(const QString& path, QString* error = nullptr);

// Saves the workbook as an ".xlsx" file, replacing any file of that name.
bool writeXlsxFile(const Workbook& book, const QString& path, QString* error = nullptr);

}  // namespace bv
