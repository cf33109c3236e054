// Reading beyond the page on show: walking the whole view, finding the next
// marked record, the columns written in place, and procedures started from
// the list.
#include "shell/browse/list_columns.h"
#include "shell/browse/list_window.h"
#include "shell/frame/main_frame.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

namespace bv {
namespace {
constexpr int kWalkBatch = 50;
}  // namespace

void ListWindow::walkView(const std::function<bool(const ListRow& row)>& visit) {
  ContextGuard guard(context_);
  ViewPage page = reader_->first(kWalkBatch);
  bool going = true;
  while (going && !page.rows.empty()) {
    for (const ViewRow& viewRow : page.rows) {
      ListRow row = capture(viewRow);
      if (!visit(row)) {
        going = false;
        break;
      }
    }
    if (!going || page.atEnd) break;
    page = reader_->after(page.rows.back(), kWalkBatch);
  }
  // The buffers go back to the row the user is on.
  if (current_ >= 0) reader_->load(rows()[static_cast<std::size_t>(current_)].view);
}

bool ListWindow::findMarked(const std::function<bool(const WindowFields& row)>& marked, bool forward) {
  ContextGuard guard(context_);
  if (rows().empty()) return false;
  const int index = std::max(current_, 0);
  ViewRow from = rows()[static_cast<std::size_t>(index)].view;
  for (;;) {
    const ViewPage page = forward ? reader_->after(from, kWalkBatch) : reader_->before(from, kWalkBatch);
    if (page.rows.empty()) break;
    // A page holds its rows in list order: backwards, the nearest is its last.
    const auto n = static_cast<int>(page.rows.size());
    for (int k = 0; k < n; ++k) {
      const ViewRow& candidate = page.rows[static_cast<std::size_t>(forward ? k : n - 1 - k)];
      reader_->load(candidate);
      if (marked(*fields_)) {
        showRecord(candidate.primary(), candidate.records.front(), index);
        return true;
      }
    }
    if (forward ? page.atEnd : page.atStart) break;
    from = forward ? page.rows.back() : page.rows.front();
  }
  reader_->load(rows()[static_cast<std::size_t>(index)].view);
  return false;
}

int ListWindow::writeCell(int column, const QString& typed) {
  ContextGuard guard(context_);
  if (column < 0 || column >= static_cast<int>(declaration_.columns.size())) return kLevelUser;
  const ListColumn& c = declaration_.columns[static_cast<std::size_t>(column)];
  const auto bound = BoundField::resolve(relations_.files(), c.field);
  if (!c.editedInPlace || !bound || !bound->belongsTo(primary())) return kLevelUser;
  if (!loadCurrent(true)) return kLevelUser;
  const Picture picture = columns_->picture(column);
  const std::optional<FieldValue> value = readTyped(typed, bound->def(), picture);
  if (!value) {
    QApplication::beep();
    return kLevelUser;
  }
  if (const int level = bound->assign(*value, true)) return level;
  RelationManager& relation = relations_[declaration_.view.table];
  const int level = relation.update(true);
  const int index = current_;
  const RecordPosition position = primary().position();
  const Record record = primary().buffer();
  reader_->flush();
  showRecord(position, record, index);
  return level;
}

void ListWindow::editCell(int column) {
  if (rows().empty() || calling_ || column < 0 || column >= static_cast<int>(declaration_.columns.size())) return;
  if (!declaration_.columns[static_cast<std::size_t>(column)].editedInPlace) return;
  ContextGuard guard(context_);
  const QModelIndex cell = model_->index(std::max(current_, 0), column);
  auto* edit = new QLineEdit(table_->viewport());
  edit->setObjectName(QStringLiteral("?ListEditor"));
  edit->setGeometry(table_->visualRect(cell));
  edit->setText(rows()[static_cast<std::size_t>(std::max(current_, 0))].texts.value(column).trimmed());
  edit->selectAll();
  edit->show();
  edit->setFocus();
  // Enter writes the value at once; Escape or leaving the cell drops it.
  connect(edit, &QLineEdit::returnPressed, this, [this, edit, column] {
    const QString typed = edit->text();
    if (writeCell(column, typed) == kLevelBenign) {
      edit->deleteLater();
      table_->setFocus();
    } else {
      edit->selectAll();
    }
  });
  connect(edit, &QLineEdit::editingFinished, edit, [edit] {
    if (!edit->hasFocus()) edit->deleteLater();
  });
  edit->installEventFilter(this);
}

bool ListWindow::startProcedure(const QString& name) { return startProcedureFrom(this, name) != 0; }

}  // namespace bv
