// Saving the workbook as ".xlsx" through libxlsxwriter.
#include <xlsxwriter.h>

#include <QFile>
#include <map>
#include <set>

#include "runtime/automation/colour_palette.h"
#include "runtime/automation/number_text.h"
#include "runtime/automation/workbook_files.h"

namespace bv {
namespace {

// libxlsxwriter takes 0 as "no colour"; black has a value of its own.
lxw_color_t libraryColour(std::uint32_t rgb) {
  return rgb == 0 ? lxw_color_t(LXW_COLOR_BLACK) : lxw_color_t(rgb);
}

std::optional<lxw_color_t> indexColour(int index) {
  if (auto rgb = paletteColour(index)) return libraryColour(*rgb);
  return std::nullopt;
}

std::uint8_t borderStyle(const Border& b) {
  if (!b.drawn()) return LXW_BORDER_NONE;
  switch (b.lineStyle) {
    case xl::kDash:
      return LXW_BORDER_DASHED;
    case xl::kDot:
      return LXW_BORDER_DOTTED;
    case xl::kDouble:
      return LXW_BORDER_DOUBLE;
    case 4:
      return LXW_BORDER_DASH_DOT;
    case 5:
      return LXW_BORDER_DASH_DOT_DOT;
    default:
      break;
  }
  switch (b.weight) {
    case xl::kHairline:
      return LXW_BORDER_HAIR;
    case xl::kMedium:
      return LXW_BORDER_MEDIUM;
    case xl::kThick:
      return LXW_BORDER_THICK;
    default:
      return LXW_BORDER_THIN;
  }
}

// One library format per distinct cell style, made on first use.
class Formats {
 public:
  explicit Formats(lxw_workbook* book) : book_(book) {}

  lxw_format* of(const CellStyle& style) {
    if (style.isPlain()) return nullptr;
    // Neighbouring cells mostly share their style.
    if (last_ && style == lastStyle_) return last_;
    auto [it, added] = formats_.try_emplace(style, nullptr);
    if (added) it->second = make(style);
    lastStyle_ = style;
    last_ = it->second;
    return last_;
  }

 private:
  lxw_format* make(const CellStyle& style) {
    lxw_format* f = workbook_add_format(book_);
    const bool filled = style.pattern != xl::kNone;
    if (auto colour = indexColour(style.fillIndex); colour && filled) {
      format_set_pattern(f, LXW_PATTERN_SOLID);
      format_set_bg_color(f, *colour);
    }
    if (auto colour = indexColour(style.fontIndex)) format_set_font_color(f, *colour);
    using SetStyle = void (*)(lxw_format*, std::uint8_t);
    using SetColour = void (*)(lxw_format*, lxw_color_t);
    const SetStyle styles[4] = {format_set_left, format_set_right, format_set_top,
                                format_set_bottom};
    const SetColour colours[4] = {format_set_left_color, format_set_right_color,
                                  format_set_top_color, format_set_bottom_color};
    for (int side = 0; side < 4; ++side) {
      const Border& b = style.borders[std::size_t(side)];
      if (!b.drawn()) continue;
      styles[side](f, borderStyle(b));
      if (auto colour = indexColour(b.colourIndex)) colours[side](f, *colour);
    }
    return f;
  }

  lxw_workbook* book_;
  std::map<CellStyle, lxw_format*> formats_;
  CellStyle lastStyle_;
  lxw_format* last_ = nullptr;
};

bool writeValue(lxw_worksheet* sheet, int row, int column, const Cell& c, lxw_format* format) {
  lxw_error e = LXW_NO_ERROR;
  if (c.text.isEmpty()) {
    if (format) e = worksheet_write_blank(sheet, lxw_row_t(row), lxw_col_t(column), format);
  } else if (c.numeric) {
    e = worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(column), numberValue(c.text),
                               format);
  } else {
    e = worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column),
                               c.text.toUtf8().constData(), format);
  }
  // A text longer than a cell holds is cut by the library and reported; the
  // rest of the workbook is still written.
  return e == LXW_NO_ERROR || e == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED;
}

bool writeSheet(lxw_workbook* book, lxw_worksheet* out, const Sheet& sheet, Formats& formats) {
  for (const auto& [column, width] : sheet.columnWidths())
    worksheet_set_column(out, lxw_col_t(column - 1), lxw_col_t(column - 1), width, nullptr);

  std::set<std::pair<int, int>> covered;  // cells inside merged areas
  for (const CellRange& m : sheet.merges()) {
    const Cell* first = sheet.find(m.first);
    const Cell empty;
    const Cell& c = first ? *first : empty;
    lxw_format* format = formats.of(c.style);
    if (worksheet_merge_range(out, lxw_row_t(m.first.row - 1), lxw_col_t(m.first.column - 1),
                              lxw_row_t(m.last.row - 1), lxw_col_t(m.last.column - 1), "",
                              format) != LXW_NO_ERROR)
      return false;
    if (!c.text.isEmpty() && !writeValue(out, m.first.row - 1, m.first.column - 1, c, format))
      return false;
    for (int r = m.first.row; r <= m.last.row; ++r)
      for (int col = m.first.column; col <= m.last.column; ++col) covered.emplace(r, col);
  }

  const auto& rows = sheet.rows();
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t col = 0; col < rows[r].size(); ++col) {
      const Cell& c = rows[r][col];
      if (c.isEmpty()) continue;
      if (!covered.empty() && covered.count({int(r) + 1, int(col) + 1})) continue;
      if (!writeValue(out, int(r), int(col), c, formats.of(c.style))) return false;
    }
  }
  (void)book;
  return true;
}

QString validSheetName(const QString& name, int position) {
  static const QString forbidden = QStringLiteral("[]:*?/\\");
  bool ok =
      !name.isEmpty() && name.size() <= 31 && !name.startsWith(u'\'') && !name.endsWith(u'\'');
  for (const QChar c : name) ok = ok && !forbidden.contains(c);
  return ok ? name : QStringLiteral("Hoja%1").arg(position);
}

}  // namespace

bool writeXlsxFile(const Workbook& book, const QString& path, QString* error) {
  const QByteArray name = QFile::encodeName(path);
  lxw_workbook* out = workbook_new(name.constData());
  if (!out) {
    if (error) *error = QStringLiteral("no se puede crear el libro");
    return false;
  }
  Formats formats(out);
  bool ok = true;
  int position = 0;
  std::set<QString> used;
  for (const Sheet& sheet : book.sheets()) {
    ++position;
    QString sheetName = validSheetName(sheet.name(), position);
    if (!used.insert(sheetName.toUpper()).second)
      sheetName = QStringLiteral("Hoja%1").arg(position);
    lxw_worksheet* ws = workbook_add_worksheet(out, sheetName.toUtf8().constData());
    if (!ws || !writeSheet(out, ws, sheet, formats)) ok = false;
    if (ws && position - 1 == book.activeIndex()) worksheet_activate(ws);
  }
  const lxw_error closed = workbook_close(out);
  if (closed != LXW_NO_ERROR) {
    if (error) *error = QString::fromUtf8(lxw_strerror(closed));
    return false;
  }
  if (!ok && error) *error = QStringLiteral("el libro no se pudo escribir entero");
  return ok;
}

}  // namespace bv
