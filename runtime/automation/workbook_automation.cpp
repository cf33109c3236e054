#include "runtime/automation/workbook_automation.h"

#include <QStringList>

#include "runtime/automation/statement.h"
#include "runtime/automation/workbook_files.h"

namespace bv {
namespace {

constexpr QLatin1StringView operator""_l1(const char* s, std::size_t n) {
  return QLatin1StringView(s, qsizetype(n));
}

// Assignments to more cells than this at once are refused rather than filling
// a whole sheet by mistake.
constexpr long long kMaxCellsAtOnce = 4'000'000;

std::optional<int> integerValue(const QString& value) {
  bool ok = false;
  const int v = value.trimmed().toInt(&ok);
  if (!ok) return std::nullopt;
  return v;
}

// A colour index the palette accepts: 1 to 56, none, automatic, or 0 (none).
bool validColourIndex(int v) {
  return (v >= 0 && v <= 56) || v == xl::kNone || v == xl::kAutomatic;
}

template <typename F>
void forEachCell(const CellRange& r, F&& f) {
  for (int row = r.first.row; row <= r.last.row; ++row)
    for (int column = r.first.column; column <= r.last.column; ++column)
      f(CellAddress{row, column});
}

long long cellCount(const CellRange& r) { return (long long)(r.rows()) * r.columns(); }

}  // namespace

std::unique_ptr<Automation> Automation::create(const QString& className) {
  static const QStringList known = {
      QStringLiteral("Excel.Application"), QStringLiteral("Excel.VBAModule"),
      QStringLiteral("Excel.Sheet"), QStringLiteral("Excel.Workbook")};
  for (const QString& k : known)
    if (className.trimmed().compare(k, Qt::CaseInsensitive) == 0)
      return std::make_unique<WorkbookAutomation>();
  return nullptr;
}

WorkbookAutomation::WorkbookAutomation() : book_(Workbook()) {}

bool WorkbookAutomation::send(const QString& statement) {
  if (quit_) return false;
  auto s = Statement::parse(statement);
  if (!s) return false;
  s->dropApplication();
  return run(*s);
}

bool WorkbookAutomation::run(Statement& s) {
  const int n = s.size();
  if (n == 1 && s.is(0, "Quit"_l1)) {
    quit_ = true;
    book_.reset();
    return true;
  }
  if (s.is(0, "Workbooks"_l1) && n == 2) {
    if (s.is(1, "Open"_l1)) return open(s.argument(1));
    if (s.is(1, "Close"_l1)) return book_.reset(), true;
    if (s.is(1, "Add"_l1)) return book_.emplace(), true;
    return false;
  }
  if (s.is(0, "ActiveWorkbook"_l1) && n == 2) {
    if (s.is(1, "SaveAs"_l1)) return book_ && saveAs(s.argument(1));
    if (s.is(1, "Close"_l1)) return book_.reset(), true;
    return false;
  }
  if (!book_) return false;
  if (s.is(0, "Columns"_l1)) {
    const auto columns = parseColumnRange(s.argument(0));
    const bool autoFit = (n == 3 && s.is(1, "EntireColumn"_l1) && s.is(2, "AutoFit"_l1)) ||
                         (n == 2 && s.is(1, "AutoFit"_l1));
    if (!columns || !autoFit) return false;
    book_->activeSheet().autoFit(columns->first, columns->second);
    return true;
  }
  const auto range = target(s);
  if (!range || n != 2) return false;
  if (s.is(1, "Select"_l1) && s.is(0, "Range"_l1)) {
    selection_ = *range;
    return true;
  }
  if (s.is(1, "Merge"_l1)) {
    book_->activeSheet().merge(*range);
    return true;
  }
  return false;
}

std::optional<CellRange> WorkbookAutomation::target(const Statement& s) const {
  if (s.size() == 0 || !s.members()[0].called)
    return s.is(0, "Selection"_l1) ? std::optional(selection_) : std::nullopt;
  if (s.is(0, "Range"_l1)) return parseCellRange(s.argument(0));
  if (s.is(0, "Cells"_l1)) {
    const auto row = integerValue(s.argument(0, 0));
    const auto column = integerValue(s.argument(0, 1));
    if (!row || !column || *row < 1 || *row > kMaxRows || *column < 1 || *column > kMaxColumns)
      return std::nullopt;
    return CellRange{{*row, *column}, {*row, *column}};
  }
  return std::nullopt;
}

bool WorkbookAutomation::assign(const QString& property, const QString& value) {
  if (quit_ || !book_) return false;
  auto s = Statement::parse(property);
  if (!s) return false;
  s->dropApplication();
  return assignCells(*s, value);
}

bool WorkbookAutomation::assignCells(const Statement& s, const QString& value) {
  const auto range = target(s);
  if (!range || cellCount(*range) > kMaxCellsAtOnce) return false;
  Sheet& sheet = book_->activeSheet();
  const int n = s.size();
  if (n == 2 && (s.is(1, "FormulaR1C1"_l1) || s.is(1, "Value"_l1) || s.is(1, "Formula"_l1))) {
    forEachCell(*range, [&](const CellAddress& a) { sheet.setText(a, value); });
    return true;
  }
  if (n >= 2 && s.is(1, "Borders"_l1)) return assignBorders(s, 1, *range, value);
  if (n != 3) return false;
  const auto v = integerValue(value);
  if (!v) return false;
  std::int16_t CellStyle::*field = nullptr;
  if (s.is(1, "Interior"_l1) && s.is(2, "ColorIndex"_l1))
    field = &CellStyle::fillIndex;
  else if (s.is(1, "Interior"_l1) && s.is(2, "Pattern"_l1))
    field = &CellStyle::pattern;
  else if (s.is(1, "Font"_l1) && s.is(2, "ColorIndex"_l1))
    field = &CellStyle::fontIndex;
  if (!field) return false;
  if (field != &CellStyle::pattern && !validColourIndex(*v)) return false;
  forEachCell(*range, [&](const CellAddress& a) { sheet.cell(a).style.*field = std::int16_t(*v); });
  return true;
}

bool WorkbookAutomation::assignBorders(const Statement& s, int from, const CellRange& range,
                                       const QString& value) {
  if (s.size() != from + 2) return false;
  const auto v = integerValue(value);
  if (!v) return false;
  const int item = from + 1;
  std::int16_t Border::*field = nullptr;
  if (s.is(item, "LineStyle"_l1))
    field = &Border::lineStyle;
  else if (s.is(item, "Weight"_l1))
    field = &Border::weight;
  else if (s.is(item, "ColorIndex"_l1))
    field = &Border::colourIndex;
  if (!field || (field == &Border::colourIndex && !validColourIndex(*v))) return false;

  // Which side of which cell each border index stands for.
  const bool all = !s.members()[from].called;
  const auto index = all ? std::optional<int>(0) : integerValue(s.argument(from));
  if (!index) return false;
  const int i = *index;
  if (!(i == 0 || (i >= 1 && i <= 4) || (i >= 7 && i <= 12))) return false;
  Sheet& sheet = book_->activeSheet();
  const auto set = [&](Cell& c, BorderSide side) {
    Border& b = c.style.borders[side];
    b.*field = std::int16_t(*v);
    // Giving a weight or colour to a border without a line draws it.
    if (field != &Border::lineStyle && b.lineStyle == 0) b.lineStyle = xl::kContinuous;
  };
  for (int row = range.first.row; row <= range.last.row; ++row) {
    const bool firstRow = row == range.first.row, lastRow = row == range.last.row;
    // The row's last cell first, so that the row is made as wide once.
    sheet.cell({row, range.last.column});
    for (int column = range.first.column; column <= range.last.column; ++column) {
      Cell& c = sheet.cell({row, column});
      const bool firstColumn = column == range.first.column;
      const bool lastColumn = column == range.last.column;
      switch (i) {
        case 0:
          for (BorderSide side : {kLeft, kRight, kTop, kBottom}) set(c, side);
          break;
        case 1:
          set(c, kLeft);
          break;
        case 2:
          set(c, kRight);
          break;
        case 3:
          set(c, kTop);
          break;
        case 4:
          set(c, kBottom);
          break;
        case 7:
          if (firstColumn) set(c, kLeft);
          break;
        case 8:
          if (firstRow) set(c, kTop);
          break;
        case 9:
          if (lastRow) set(c, kBottom);
          break;
        case 10:
          if (lastColumn) set(c, kRight);
          break;
        case 11:
          if (!lastColumn) set(c, kRight);
          if (!firstColumn) set(c, kLeft);
          break;
        case 12:
          if (!lastRow) set(c, kBottom);
          if (!firstRow) set(c, kTop);
          break;
      }
    }
  }
  return true;
}

QString WorkbookAutomation::get(const QString& property) {
  if (quit_) return kReadFailure;
  auto s = Statement::parse(property);
  if (!s) return kReadFailure;
  s->dropApplication();
  if (book_)
    if (auto value = read(*s)) return *value;
  return run(*s) ? QString() : kReadFailure;
}

std::optional<QString> WorkbookAutomation::read(const Statement& s) {
  const auto range = target(s);
  if (!range) return std::nullopt;
  const Cell* c = book_->activeSheet().find(range->first);
  const CellStyle style = c ? c->style : CellStyle{};
  const int n = s.size();
  if (n == 2 && (s.is(1, "Value"_l1) || s.is(1, "FormulaR1C1"_l1) || s.is(1, "Formula"_l1) ||
                 s.is(1, "Text"_l1)))
    return c ? c->text : QString();
  if (n != 3) return std::nullopt;
  const auto number = [](int v) { return QString::number(v); };
  if (s.is(1, "Interior"_l1) && s.is(2, "ColorIndex"_l1))
    return number(style.fillIndex > 0 ? style.fillIndex : xl::kNone);
  if (s.is(1, "Interior"_l1) && s.is(2, "Pattern"_l1))
    return number(style.pattern != 0 ? style.pattern
                                     : (style.fillIndex > 0 ? xl::kSolid : xl::kNone));
  if (s.is(1, "Font"_l1) && s.is(2, "ColorIndex"_l1))
    return number(style.fontIndex > 0 ? style.fontIndex : 1);
  return std::nullopt;
}

bool WorkbookAutomation::open(const QString& path) {
  auto book = readWorkbookFile(path);
  if (!book) return false;
  book_ = std::move(book);
  selection_ = {{1, 1}, {1, 1}};
  return true;
}

bool WorkbookAutomation::saveAs(const QString& path) {
  if (path.trimmed().isEmpty()) return false;
  return writeXlsxFile(*book_, path);
}

}  // namespace bv
