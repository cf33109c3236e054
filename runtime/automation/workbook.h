#pragma once
// The automation object's workbook in memory: sheets of cells with their texts,
// fill, font colour and borders, merged areas and column widths. It is what a
// workbook file is read into and what is saved as a workbook file.
#include <QList>
#include <QString>
#include <array>
#include <compare>
#include <cstdint>
#include <map>
#include <vector>

#include "runtime/automation/cell_address.h"

namespace bv {

// Border line styles and weights as the automation statements give them.
namespace xl {
inline constexpr int kNone = -4142;       // xlNone (line style, colour index)
inline constexpr int kContinuous = 1;     // xlContinuous
inline constexpr int kDash = -4115;       // xlDash
inline constexpr int kDot = -4118;        // xlDot
inline constexpr int kDouble = -4119;     // xlDouble
inline constexpr int kHairline = 1;       // weights: xlHairline
inline constexpr int kThin = 2;           // xlThin
inline constexpr int kMedium = -4138;     // xlMedium
inline constexpr int kThick = 4;          // xlThick
inline constexpr int kSolid = 1;          // interior pattern xlSolid
inline constexpr int kAutomatic = -4105;  // xlAutomatic (colour index)
}  // namespace xl

enum BorderSide { kLeft = 0, kRight = 1, kTop = 2, kBottom = 3 };

struct Border {
  std::int16_t lineStyle = 0;  // 0 or xl::kNone: no line
  std::int16_t weight = xl::kThin;
  std::int16_t colourIndex = 0;  // 0 or xl::kAutomatic: automatic
  bool drawn() const { return lineStyle != 0 && lineStyle != xl::kNone; }
  friend auto operator<=>(const Border&, const Border&) = default;
};

struct CellStyle {
  std::int16_t fillIndex = 0;  // interior colour index; 0 or xl::kNone: none
  std::int16_t pattern = 0;    // interior pattern; 0 with a fill index counts as solid
  std::int16_t fontIndex = 0;  // font colour index; 0: automatic
  std::array<Border, 4> borders{};
  bool isPlain() const { return *this == CellStyle{}; }
  friend auto operator<=>(const CellStyle&, const CellStyle&) = default;
};

struct Cell {
  QString text;          // what was assigned, or the number's plain text
  bool numeric = false;  // the text reads as a number and is stored as one
  CellStyle style;
  bool isEmpty() const { return text.isEmpty() && style.isPlain(); }
};

class Sheet {
 public:
  explicit Sheet(QString name = QStringLiteral("Hoja1")) : name_(std::move(name)) {}

  const QString& name() const { return name_; }
  // The cell, created empty when it is not there yet.
  Cell& cell(const CellAddress& a);
  // The cell, or nullptr when nothing was ever put there.
  const Cell* find(const CellAddress& a) const;
  // Assigns a text the way the spreadsheet takes a typed formula: a text that
  // reads as a number becomes a number.
  void setText(const CellAddress& a, const QString& text);

  int lastRow() const { return int(rows_.size()); }
  int lastColumn() const;
  const std::vector<std::vector<Cell>>& rows() const { return rows_; }

  void merge(const CellRange& range);
  const QList<CellRange>& merges() const { return merges_; }
  // The merged area that holds the cell, if any.
  const CellRange* mergeOf(const CellAddress& a) const;

  // Column widths in characters of the standard font, by column from 1.
  void setColumnWidth(int column, double width) { widths_[column] = width; }
  const std::map<int, double>& columnWidths() const { return widths_; }
  // Sets each column of first..last to the width of its longest shown text.
  void autoFit(int first, int last);

 private:
  QString name_;
  std::vector<std::vector<Cell>> rows_;  // rows_[row - 1][column - 1]
  QList<CellRange> merges_;
  std::map<int, double> widths_;
};

class Workbook {
 public:
  Workbook() { sheets_.emplace_back(); }
  explicit Workbook(std::vector<Sheet> sheets, int active = 0);

  std::vector<Sheet>& sheets() { return sheets_; }
  const std::vector<Sheet>& sheets() const { return sheets_; }
  Sheet& activeSheet() { return sheets_[std::size_t(active_)]; }
  const Sheet& activeSheet() const { return sheets_[std::size_t(active_)]; }
  int activeIndex() const { return active_; }

 private:
  std::vector<Sheet> sheets_;
  int active_ = 0;
};

}  // namespace bv
