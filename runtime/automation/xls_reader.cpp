// Reading ".xls" workbooks (the older binary format) through freexl.
#include <freexl.h>

#include <QFile>

#include "runtime/automation/number_text.h"
#include "runtime/automation/workbook_files.h"

namespace bv {
namespace {

// Closes the handle however the reading ends (freexl wants it closed even after
// a failed open).
class XlsHandle {
 public:
  ~XlsHandle() {
    if (handle_) freexl_close(handle_);
  }
  const void** out() { return &handle_; }
  const void* get() const { return handle_; }

 private:
  const void* handle_ = nullptr;
};

}  // namespace

std::optional<Workbook> readXlsFile(const QString& path, QString* error) {
  const auto fail = [&](const QString& why) -> std::optional<Workbook> {
    if (error) *error = why;
    return std::nullopt;
  };
  XlsHandle xls;
  if (freexl_open(QFile::encodeName(path).constData(), xls.out()) != FREEXL_OK)
    return fail(QStringLiteral("no se puede leer el libro"));
  unsigned int count = 0;
  if (freexl_get_info(xls.get(), FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK || count == 0)
    return fail(QStringLiteral("el libro no tiene hojas"));

  std::vector<Sheet> sheets;
  for (unsigned short index = 0; index < count; ++index) {
    const char* name = nullptr;
    freexl_get_worksheet_name(xls.get(), index, &name);
    Sheet sheet(name ? QString::fromUtf8(name) : QStringLiteral("Hoja%1").arg(index + 1));
    unsigned int rows = 0;
    unsigned short columns = 0;
    if (freexl_select_active_worksheet(xls.get(), index) == FREEXL_OK &&
        freexl_worksheet_dimensions(xls.get(), &rows, &columns) == FREEXL_OK) {
      for (unsigned int r = 0; r < rows && r < unsigned(kMaxRows); ++r)
        for (unsigned short c = 0; c < columns; ++c) {
          FreeXL_CellValue value;
          if (freexl_get_cell_value(xls.get(), r, c, &value) != FREEXL_OK) continue;
          Cell cell;
          switch (value.type) {
            case FREEXL_CELL_INT:
              cell.text = QString::number(value.value.int_value);
              cell.numeric = true;
              break;
            case FREEXL_CELL_DOUBLE:
              cell.text = numberTextOf(value.value.double_value);
              cell.numeric = true;
              break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME:
              cell.text = QString::fromUtf8(value.value.text_value);
              break;
            default:
              continue;
          }
          if (!cell.text.isEmpty()) sheet.cell({int(r) + 1, int(c) + 1}) = std::move(cell);
        }
    }
    sheets.push_back(std::move(sheet));
  }
  return Workbook(std::move(sheets), 0);
}

}  // namespace bv
