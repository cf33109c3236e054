#include "shell/lines/line_list.h"

#include "shell/browse/list_call.h"
#include "shell/browse/list_model.h"
#include "shell/field_access.h"
#include "shell/form/form_window.h"
#include "shell/lines/kept_buffer.h"
#include "storage/dictionary/primed_values.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/linked_records.h"
#include "storage/relations/linked_value.h"
#include "storage/relations/relation_managers.h"
#include "storage/relations/table_guards.h"
#include "storage/transactions/child_list_transaction.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace bv {

// The texts of the lines, worked out when the lines change: each line's
// related records are read into their buffers to show their fields.
class LineModel : public QAbstractTableModel {
 public:
  LineModel(const LineListDeclaration& declaration, QObject* parent)
      : QAbstractTableModel(parent), declaration_(declaration) {}
  void setTexts(std::vector<QStringList> texts) {
    beginResetModel();
    texts_ = std::move(texts);
    endResetModel();
  }
  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(texts_.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(declaration_.columns.size());
  }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole) return texts_[static_cast<std::size_t>(index.row())].value(index.column());
    if (role == Qt::TextAlignmentRole)
      return QVariant::fromValue(alignmentOf(declaration_.columns[static_cast<std::size_t>(index.column())].align));
    return {};
  }
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return declaration_.columns[static_cast<std::size_t>(section)].header;
  }
  Qt::ItemFlags flags(const QModelIndex& index) const override {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (!index.isValid()) return f;
    const LineColumn& c = declaration_.columns[static_cast<std::size_t>(index.column())];
    if (c.editor != CellEditor::None && !c.compute) f |= Qt::ItemIsEditable;
    return f;
  }

 private:
  const LineListDeclaration& declaration_;
  std::vector<QStringList> texts_;
};

// Opens the cell editors and routes their keys to the list, so that a value
// refused keeps the editor on its cell.
class LineDelegate : public QStyledItemDelegate {
 public:
  LineDelegate(LineList& list, QObject* parent) : QStyledItemDelegate(parent), list_(list) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
    return list_.openEditor(parent, index.row(), index.column());
  }
  void setEditorData(QWidget*, const QModelIndex&) const override {}
  void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
          list_.acceptEditor();
          return true;
        case Qt::Key_Escape:
          list_.closeEditor();
          return true;
        default: break;
      }
    }
    if (event->type() == QEvent::FocusOut) {
      // A lookup list or a message took the focus: the editor waits for it.
      if (!list_.lookupPending() && QApplication::activeModalWidget() == nullptr) list_.leaveEditor();
      return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }

 private:
  LineList& list_;
};

namespace {

// Dialog units to pixels: four horizontal units are one average character.
int dialogUnits(const QWidget& w, int units) { return (units * w.fontMetrics().averageCharWidth() + 3) / 4; }

}  // namespace

LineList::LineList(const LineListDeclaration& declaration, FormWindow& form, QWidget* parent)
    : QWidget(parent), declaration_(declaration), form_(form), context_(form.context()) {
  setObjectName(QStringLiteral("?Lines:") + declaration.table);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("?Lines:%1:List").arg(declaration.table));
  model_ = new LineModel(declaration_, table_);
  table_->setModel(model_);
  table_->setItemDelegate(new LineDelegate(*this, table_));
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  table_->verticalHeader()->hide();
  table_->setWordWrap(false);
  FileManagers& files = form.relations().files();
  for (std::size_t i = 0; i < declaration_.columns.size(); ++i) {
    const LineColumn& c = declaration_.columns[i];
    const auto bound = c.compute ? std::nullopt : BoundField::resolve(files, c.field);
    pictures_.push_back(pictureFor(c.picture, bound ? &bound->def() : nullptr));
    const int section = static_cast<int>(i);
    if (c.width == 0)
      table_->setColumnHidden(section, true);
    else
      table_->horizontalHeader()->resizeSection(section, dialogUnits(*this, c.width));
  }
  layout->addWidget(table_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  const auto button = [&](bool wanted, const char* text, const char* name) -> QPushButton* {
    if (!wanted) return nullptr;
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setObjectName(QString::fromLatin1(name));
    buttons->addWidget(b);
    return b;
  };
  insert_ = button(declaration_.insert, "&Agregar", "?LineInsert");
  change_ = button(declaration_.change, "&Modificar", "?LineChange");
  remove_ = button(declaration_.remove, "&Borrar", "?LineDelete");
  layout->addLayout(buttons);
  if (insert_) connect(insert_, &QPushButton::clicked, this, [this] { addLine(); });
  if (change_) connect(change_, &QPushButton::clicked, this, [this] { editLine(); });
  if (remove_) connect(remove_, &QPushButton::clicked, this, [this] { removeLine(); });
  if (form.request() == kViewRecord) table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  updateButtons();
}

LineList::~LineList() = default;

FileManager& LineList::lineFile() const { return form_.relations().files()[declaration_.table]; }

RelationManager& LineList::lineRelation() const { return form_.relations()[declaration_.table]; }

int LineList::currentLine() const {
  const QModelIndex at = table_->currentIndex();
  return at.isValid() ? at.row() : -1;
}

void LineList::updateButtons() {
  const bool editable = form_.request() != kViewRecord;
  const bool hasLines = !lines_.empty();
  if (insert_) insert_->setEnabled(editable);
  if (change_) change_->setEnabled(editable && hasLines);
  if (remove_) remove_->setEnabled(editable && hasLines);
}

void LineList::load() {
  ContextGuard guard(context_);
  lines_.clear();
  loaded_.clear();
  loadedRecords_.clear();
  const Relation* link = form_.primaryRelation().relationTo(lineRelation());
  if (form_.request() != kInsertRecord && link) {
    if (const auto linked = linkedFields(*link, form_.primary().buffer())) {
      FileManager& file = lineFile();
      std::vector<RecordPosition> positions;
      {
        KeptTableState kept(file);
        collectLinked(file, *link->key, *linked, positions);
      }
      for (RecordPosition at : positions) {
        Record record(file.table());
        if (readStoredRecord(file, at, record) != kFileOk) continue;
        lines_.push_back({record, at});
        loaded_.push_back(at);
        loadedRecords_.push_back(record);
      }
    }
  }
  refresh();
}

void LineList::refresh() {
  ContextGuard guard(context_);
  FileManagers& files = form_.relations().files();
  FileManager& file = lineFile();
  std::vector<std::unique_ptr<KeptBuffer>> kept;
  kept.push_back(std::make_unique<KeptBuffer>(file));
  std::vector<std::pair<FileManager*, const KeyDef*>> joins;
  for (const LineJoin& j : declaration_.joins) {
    FileManager& joined = files[j.table];
    kept.push_back(std::make_unique<KeptBuffer>(joined));
    joins.emplace_back(&joined, &joined.keyDef(j.key));
  }
  std::vector<std::optional<BoundField>> fields;
  for (const LineColumn& c : declaration_.columns)
    fields.push_back(c.compute ? std::nullopt : BoundField::resolve(files, c.field));
  std::vector<QStringList> texts;
  for (const ChildLine& line : lines_) {
    file.buffer() = line.record;
    // Each line shows its related records; one not on file shows blank.
    for (std::size_t i = 0; i < joins.size(); ++i) {
      FileManager& joined = *joins[i].first;
      bool linked = true;
      for (const auto& [mine, theirs] : declaration_.joins[i].links) {
        const FieldDef* a = file.table().field(QStringView(mine));
        const FieldDef* b = joined.table().field(QStringView(theirs));
        const auto value = a && b ? linkedValue(line.record.value(*a), *b) : std::nullopt;
        if (!value) {
          linked = false;
          break;
        }
        joined.buffer().setValue(*b, *value);
      }
      if (!linked || joined.tryFetch(*joins[i].second) != kLevelBenign) joined.buffer().clear();
    }
    QStringList row;
    for (std::size_t c = 0; c < fields.size(); ++c) {
      const LineColumn& column = declaration_.columns[c];
      if (column.compute)
        row << entryText(column.compute(line.record, files), pictures_[c]);
      else
        row << (fields[c] ? entryText(fields[c]->value(), pictures_[c]) : QString());
    }
    texts.push_back(std::move(row));
  }
  const int current = currentLine();
  model_->setTexts(std::move(texts));
  if (!lines_.empty())
    table_->setCurrentIndex(model_->index(std::clamp(current, 0, static_cast<int>(lines_.size()) - 1), 0));
  updateButtons();
  emit linesChanged();
}

void LineList::showCell(int row, int column) {
  const QModelIndex at = model_->index(row, column);
  table_->setCurrentIndex(at);
  table_->scrollTo(at);
  table_->setFocus();
}

void LineList::addLine() {
  if (form_.request() == kViewRecord || editor_) return;
  ContextGuard guard(context_);
  ChildLine line{Record(lineFile().table()), 0};
  primeRecord(line.record);
  linkToHeader(line);
  lines_.push_back(std::move(line));
  refresh();
  const int row = static_cast<int>(lines_.size()) - 1;
  table_->setCurrentIndex(model_->index(row, 0));
  editLine();
}

void LineList::editLine(int column) {
  if (form_.request() == kViewRecord || lines_.empty()) return;
  const int row = std::max(currentLine(), 0);
  if (column < 0)
    for (std::size_t c = 0; c < declaration_.columns.size(); ++c)
      if (declaration_.columns[c].editor != CellEditor::None && !declaration_.columns[c].compute) {
        column = static_cast<int>(c);
        break;
      }
  if (column < 0) return;
  table_->setFocus();
  table_->edit(model_->index(row, column));
}

void LineList::removeLine() {
  if (form_.request() == kViewRecord || lines_.empty() || editor_) return;
  const int row = currentLine();
  if (row < 0) return;
  lines_.erase(lines_.begin() + row);
  refresh();
}

QLineEdit* LineList::openEditor(QWidget* parent, int row, int column) {
  if (row < 0 || row >= static_cast<int>(lines_.size()) || form_.request() == kViewRecord) return nullptr;
  const LineColumn& c = declaration_.columns[static_cast<std::size_t>(column)];
  if (c.editor == CellEditor::None || c.compute) return nullptr;
  ContextGuard guard(context_);
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QStringLiteral("?LineEditor"));
  if (c.editor == CellEditor::Numeric) edit->setAlignment(Qt::AlignRight);
  if (const auto bound = BoundField::resolve(form_.relations().files(), c.field))
    edit->setText(entryText(lines_[static_cast<std::size_t>(row)].record.value(bound->def()),
                            pictures_[static_cast<std::size_t>(column)]));
  editor_ = edit;
  editorRow_ = row;
  editorColumn_ = column;
  return edit;
}

std::optional<FieldValue> LineList::editorValue(int column) const {
  const auto bound = BoundField::resolve(form_.relations().files(), declaration_.columns[static_cast<std::size_t>(column)].field);
  if (!bound || !editor_) return std::nullopt;
  return readTyped(editor_->text(), bound->def(), pictures_[static_cast<std::size_t>(column)]);
}

bool LineList::fetchLookup(const LineColumn& column, const FieldValue& value) {
  const auto other = BoundField::resolve(form_.relations().files(), column.lookup->field);
  if (!other) return true;
  const auto linked = linkedValue(value, other->def());
  if (!linked) {
    other->file().buffer().clear();
    return false;
  }
  other->assign(*linked, false);
  return other->file().tryFetch(other->file().keyDef(column.lookup->key)) == kLevelBenign;
}

void LineList::store(int row, int column, const FieldValue& value) {
  ChildLine& line = lines_[static_cast<std::size_t>(row)];
  const LineColumn& c = declaration_.columns[static_cast<std::size_t>(column)];
  FileManagers& files = form_.relations().files();
  if (const auto bound = BoundField::resolve(files, c.field)) line.record.setValue(bound->def(), value);
  if (c.lookup)
    for (const auto& [from, to] : c.lookup->copies)
      if (auto a = BoundField::resolve(files, from))
        if (auto b = BoundField::resolve(files, to); b && &b->file() == &lineFile())
          line.record.setValue(b->def(), a->value());
}

void LineList::acceptEditor() {
  if (!editor_ || lookupPending_) return;
  ContextGuard guard(context_);
  const int row = editorRow_;
  const int column = editorColumn_;
  const LineColumn& c = declaration_.columns[static_cast<std::size_t>(column)];
  const std::optional<FieldValue> value = editorValue(column);
  if (!value || (c.accepts && !c.accepts(*value))) {
    QApplication::beep();
    editor_->setFocus();
    editor_->selectAll();
    return;
  }
  if (c.lookup && (!isEmptyValue(*value) || c.lookup->required || c.lookup->always) && !fetchLookup(c, *value)) {
    lookUpCell(row, column);
    return;
  }
  store(row, column, *value);
  closeEditor();
  refresh();
}

void LineList::leaveEditor() {
  if (!editor_ || lookupPending_) return;
  ContextGuard guard(context_);
  const LineColumn& c = declaration_.columns[static_cast<std::size_t>(editorColumn_)];
  const std::optional<FieldValue> value = editorValue(editorColumn_);
  const bool takes = value && (!c.accepts || c.accepts(*value)) &&
                     (!c.lookup || (isEmptyValue(*value) && !c.lookup->required && !c.lookup->always) ||
                      fetchLookup(c, *value));
  if (takes)
    store(editorRow_, editorColumn_, *value);
  else
    QApplication::beep();  // the cell keeps the value it had
  closeEditor();
  refresh();
}

void LineList::closeEditor() {
  if (!editor_) return;
  QLineEdit* edit = editor_;
  editor_ = nullptr;
  editorRow_ = editorColumn_ = -1;
  emit table_->itemDelegate()->closeEditor(edit, QAbstractItemDelegate::NoHint);
  table_->setFocus();
}

QCoro::Task<void> LineList::lookUpCell(int row, int column) {
  QPointer<LineList> self(this);
  const ContextId context = context_;
  const LineColumn& c = declaration_.columns[static_cast<std::size_t>(column)];
  lookupPending_ = true;
  const int response = co_await callList(c.lookup->list(), form_.relations(), kSelectRecord, &form_, context);
  if (!self) co_return;
  lookupPending_ = false;
  if (!editor_) co_return;
  ContextGuard guard(context);
  if (response != kRequestCompleted) {
    // Cancelled: the editor stays on the cell.
    editor_->setFocus();
    co_return;
  }
  const auto other = BoundField::resolve(form_.relations().files(), c.lookup->field);
  const auto bound = BoundField::resolve(form_.relations().files(), c.field);
  if (!other || !bound) co_return;
  const auto value = linkedValue(other->value(), bound->def());
  if (!value) co_return;
  editor_->setText(entryText(*value, pictures_[static_cast<std::size_t>(column)]));
  // The line's own rule has the last word (the code must exist): message 14
  // and the editor stays when it does not.
  FileManager& file = lineFile();
  {
    KeptBuffer kept(file);
    file.buffer() = lines_[static_cast<std::size_t>(row)].record;
    file.buffer().setValue(bound->def(), *value);
    if (file.validateField(bound->def().number, true) != kLevelBenign) {
      editor_->setFocus();
      co_return;
    }
  }
  store(row, column, *value);
  closeEditor();
  refresh();
}

}  // namespace bv
