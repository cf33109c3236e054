// Saving the lines with the form's record: which lines are written (a line
// added and never filled in is not), each checked with its table's rules
// before the transaction, then header and lines in one transaction.
#include "shell/lines/line_list.h"

#include "shell/field_access.h"
#include "shell/form/form_window.h"
#include "shell/lines/kept_buffer.h"
#include "storage/dictionary/primed_values.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/linked_value.h"
#include "storage/relations/relation_managers.h"
#include "storage/transactions/child_list_transaction.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>

namespace bv {

bool LineList::changed() {
  ContextGuard guard(context_);
  std::vector<int> rows;
  const std::vector<ChildLine> kept = linesToWrite(rows);
  if (kept.size() != loaded_.size()) return true;
  for (std::size_t i = 0; i < kept.size(); ++i)
    if (kept[i].position != loaded_[i] || !(kept[i].record == loadedRecords_[i])) return true;
  return false;
}

void LineList::linkToHeader(ChildLine& line) {
  const Relation* link = form_.primaryRelation().relationTo(lineRelation());
  if (!link) return;
  const Record& header = form_.primary().buffer();
  for (const FieldPair& p : link->pairs)
    if (const auto value = linkedValue(header.value(p.mine->number), *p.other)) line.record.setValue(*p.other, *value);
}

std::vector<ChildLine> LineList::linesToWrite(std::vector<int>& rows) {
  // A line added and never filled in still holds, in every column the user
  // edits, what it was primed with: it is no line to save.
  ChildLine primed{Record(lineFile().table()), 0};
  primeRecord(primed.record);
  linkToHeader(primed);
  std::vector<const FieldDef*> edited;
  for (const LineColumn& c : declaration_.columns)
    if (c.editor != CellEditor::None && !c.compute)
      if (const auto bound = BoundField::resolve(form_.relations().files(), c.field);
          bound && &bound->file() == &lineFile())
        edited.push_back(&bound->def());
  std::vector<ChildLine> out;
  rows.clear();
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    ChildLine line = lines_[i];
    linkToHeader(line);
    const bool blank = line.position == 0 && !edited.empty() &&
                       std::all_of(edited.begin(), edited.end(), [&](const FieldDef* f) {
                         return line.record.value(*f) == primed.record.value(*f);
                       });
    if (blank) continue;
    out.push_back(std::move(line));
    rows.push_back(static_cast<int>(i));
  }
  return out;
}

int LineList::firstInvalid(const std::vector<ChildLine>& lines, const std::vector<int>& rows) {
  FileManager& file = lineFile();
  KeptBuffer kept(file);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    file.buffer() = lines[i].record;
    const int failed = file.validateRecord(false);
    if (failed == 0) continue;
    // The line is shown before its message, so the user sees which one it is.
    int column = 0;
    for (std::size_t c = 0; c < declaration_.columns.size(); ++c)
      if (const auto bound = BoundField::resolve(form_.relations().files(), declaration_.columns[c].field);
          !declaration_.columns[c].compute && bound && &bound->file() == &file && bound->def().number == failed) {
        column = static_cast<int>(c);
        break;
      }
    showCell(rows[i], column);
    file.validateRecord(true);
    return static_cast<int>(i);
  }
  return -1;
}

bool LineList::checkLines() {
  ContextGuard guard(context_);
  std::vector<int> rows;
  return firstInvalid(linesToWrite(rows), rows) < 0;
}

int LineList::save() {
  ContextGuard guard(context_);
  std::vector<int> rows;
  std::vector<ChildLine> lines = linesToWrite(rows);
  if (firstInvalid(lines, rows) >= 0) return kLevelNotice;
  std::vector<RelationManager*> further;
  for (const QString& table : declaration_.tables) further.push_back(&form_.relations()[table]);
  ChildListTransaction transaction(form_.relations().files());
  transaction.setHooks(declaration_.hooks);
  const RecordPosition header = form_.request() == kInsertRecord ? 0 : form_.heldPosition();
  const int level = transaction.save(form_.primaryRelation(), header, lineRelation(), lines, further);
  if (level != kLevelBenign) return level;
  // What is on file now is what a later change compares with.
  lines_ = std::move(lines);
  loaded_.clear();
  loadedRecords_.clear();
  for (const ChildLine& line : lines_) {
    loaded_.push_back(line.position);
    loadedRecords_.push_back(line.record);
  }
  refresh();
  return level;
}

}  // namespace bv
