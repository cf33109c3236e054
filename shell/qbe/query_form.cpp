#include "shell/qbe/query_form.h"

#include "shell/call_window.h"
#include "shell/qbe/query_filter.h"
#include "shell/qbe/query_form_names.h"
#include "shell/qbe/query_value.h"
#include "shell/system_images.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace bv {
namespace {

// Dialog units to pixels: four horizontal units are one average character.
int dialogUnits(const QWidget& w, int units) { return (units * w.fontMetrics().averageCharWidth() + 3) / 4; }

QPushButton* button(QWidget* parent, const QString& text, const QString& name, const QString& icon = {}) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  if (!icon.isEmpty()) b->setIcon(systemIcon(icon));
  b->setAutoDefault(false);
  return b;
}

// What a row shows of an item's condition, cut as the columns' pictures
// ("s20", "s10", "s30") cut it.
QStringList rowTexts(const QueryItem& item) {
  QString op, value;
  if (item.isRange()) {
    op = query_ops::kRange;
    value = item.low + QStringLiteral(" .. ") + item.high;
  } else {
    const QueryValueShown shown = showQueryValue(item.value);
    op = shown.formOperator;
    value = shown.caseInsensitive ? u'^' + shown.text : shown.text;
  }
  return {item.title.left(20), op.left(10), value.left(30)};
}

}  // namespace

QueryForm::QueryForm(QueryItems items, SavedQueries saved, Reporter report,
                     std::shared_ptr<QueryFormOutcome> outcome, QWidget* parent)
    : QWidget(parent),
      items_(std::move(items)),
      saved_(std::move(saved)),
      report_(std::move(report)),
      outcome_(std::move(outcome)) {
  setObjectName(qbe_names::window(saved_.procedure()));
  setWindowTitle(qbe_names::kCaption);
  setWindowIcon(systemIcon(QStringLiteral("QkQBE.ico")));

  auto* layout = new QVBoxLayout(this);
  sheet_ = new QTabWidget(this);
  sheet_->setObjectName(qbe_names::kSheet);
  sheet_->addTab(buildQueryTab(), QStringLiteral("Query Settings"));
  sheet_->addTab(buildSavedTab(), QStringLiteral("Saved Queries"));
  layout->addWidget(sheet_, 1);

  auto* closing = new QHBoxLayout;
  QPushButton* ok = button(this, QStringLiteral("&OK"), qbe_names::kOk, QStringLiteral("wizOk.ico"));
  QPushButton* cancel = button(this, QStringLiteral("&Cancel"), qbe_names::kCancel, QStringLiteral("wizCncl.ico"));
  QPushButton* clear = button(this, QStringLiteral("C&lear"), qbe_names::kClear);
  ok->setDefault(true);
  closing->addStretch();
  closing->addWidget(ok);
  closing->addWidget(cancel);
  closing->addWidget(clear);
  layout->addLayout(closing);
  connect(ok, &QPushButton::clicked, this, &QueryForm::accept);
  connect(cancel, &QPushButton::clicked, this, &QueryForm::finish);
  connect(clear, &QPushButton::clicked, this, &QueryForm::clearQuery);

  showRows();
  const QString last = saved_.lastUsed();
  name_->setText(last);
  showSaved(last);
  operatorChosen();
}

QWidget* QueryForm::buildQueryTab() {
  auto* page = new QWidget(sheet_);
  page->setObjectName(qbe_names::kQueryTab);
  auto* layout = new QVBoxLayout(page);

  rows_ = new QTreeWidget(page);
  rows_->setObjectName(qbe_names::kList);
  rows_->setRootIsDecorated(false);
  rows_->setHeaderLabels({QStringLiteral("Field"), QStringLiteral("Operator"), QStringLiteral("Value")});
  rows_->setColumnWidth(0, dialogUnits(*this, 91));
  rows_->setColumnWidth(1, dialogUnits(*this, 44));
  rows_->setColumnWidth(2, dialogUnits(*this, 120));
  layout->addWidget(rows_, 1);
  connect(rows_, &QTreeWidget::currentItemChanged, this, [this] { editRow(); });

  auto* editor = new QFormLayout;
  field_ = new QComboBox(page);
  field_->setObjectName(qbe_names::kField);
  for (const QueryItem& item : items_) field_->addItem(item.title);
  operator_ = new QComboBox(page);
  operator_->setObjectName(qbe_names::kOperator);
  operator_->addItems(queryFormOperators());
  value_ = new QLineEdit(page);
  value_->setObjectName(qbe_names::kValue);
  value_->setMaxLength(SavedQueries::kValueLength);
  auto* range = new QHBoxLayout;
  low_ = new QLineEdit(page);
  low_->setObjectName(qbe_names::kLow);
  high_ = new QLineEdit(page);
  high_->setObjectName(qbe_names::kHigh);
  range->addWidget(low_);
  range->addWidget(new QLabel(QStringLiteral("High:"), page));
  range->addWidget(high_);
  case_ = new QCheckBox(QStringLiteral("Ignore case"), page);
  case_->setObjectName(qbe_names::kCase);
  editor->addRow(QStringLiteral("Field:"), field_);
  editor->addRow(QStringLiteral("Operator:"), operator_);
  editor->addRow(QStringLiteral("Value:"), value_);
  editor->addRow(QStringLiteral("Low:"), range);
  editor->addRow(QString(), case_);
  layout->addLayout(editor);
  connect(operator_, &QComboBox::currentIndexChanged, this, [this] { operatorChosen(); });

  auto* buttons = new QHBoxLayout;
  QPushButton* insert = button(page, QStringLiteral("&Insert"), qbe_names::kInsert, QStringLiteral("wizIns.ico"));
  QPushButton* change = button(page, QStringLiteral("&Change"), qbe_names::kChange, QStringLiteral("wizEdit.ico"));
  QPushButton* remove = button(page, QStringLiteral("&Delete"), qbe_names::kDelete, QStringLiteral("wizDel.ico"));
  buttons->addWidget(insert);
  buttons->addWidget(change);
  buttons->addWidget(remove);
  buttons->addStretch();
  layout->addLayout(buttons);
  connect(insert, &QPushButton::clicked, this, [this] { putEditor(-1); });
  connect(change, &QPushButton::clicked, this, [this] {
    if (selectedItem() >= 0) putEditor(selectedItem());
  });
  connect(remove, &QPushButton::clicked, this, &QueryForm::removeRow);
  return page;
}

QWidget* QueryForm::buildSavedTab() {
  auto* page = new QWidget(sheet_);
  page->setObjectName(qbe_names::kSavedTab);
  auto* layout = new QVBoxLayout(page);
  auto* nameRow = new QHBoxLayout;
  auto* prompt = new QLabel(QStringLiteral("&Query name:"), page);
  name_ = new QLineEdit(page);
  name_->setObjectName(qbe_names::kQueryName);
  name_->setMaxLength(SavedQueries::kNameLength);
  prompt->setBuddy(name_);
  nameRow->addWidget(prompt);
  nameRow->addWidget(name_, 1);
  layout->addLayout(nameRow);

  savedList_ = new QTreeWidget(page);
  savedList_->setObjectName(qbe_names::kSaved);
  savedList_->setRootIsDecorated(false);
  savedList_->setHeaderLabels({QStringLiteral("Query")});
  layout->addWidget(savedList_, 1);
  connect(savedList_, &QTreeWidget::currentItemChanged, this, [this] {
    if (const QString name = selectedSaved(); !name.isEmpty()) name_->setText(name);
  });
  connect(savedList_, &QTreeWidget::itemDoubleClicked, this, [this] { loadQuery(); });

  auto* buttons = new QHBoxLayout;
  QPushButton* save = button(page, QStringLiteral("&Save"), qbe_names::kSave);
  QPushButton* load = button(page, QStringLiteral("&Load"), qbe_names::kLoad, QStringLiteral("QkLoad.ico"));
  QPushButton* remove = button(page, QStringLiteral("&Delete"), qbe_names::kDeleteSaved, QStringLiteral("wizDel.ico"));
  buttons->addWidget(save);
  buttons->addWidget(load);
  buttons->addWidget(remove);
  buttons->addStretch();
  layout->addLayout(buttons);
  connect(save, &QPushButton::clicked, this, &QueryForm::saveQuery);
  connect(load, &QPushButton::clicked, this, &QueryForm::loadQuery);
  connect(remove, &QPushButton::clicked, this, &QueryForm::deleteSaved);
  return page;
}

void QueryForm::showRows(int selectItem) {
  const QSignalBlocker quiet(rows_);
  rows_->clear();
  QTreeWidgetItem* selected = nullptr;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (!items_[i].hasCondition()) continue;
    auto* row = new QTreeWidgetItem(rows_, rowTexts(items_[i]));
    row->setData(0, Qt::UserRole, static_cast<int>(i));
    if (static_cast<int>(i) == selectItem) selected = row;
  }
  if (selected) rows_->setCurrentItem(selected);
  else if (rows_->topLevelItemCount() > 0) rows_->setCurrentItem(rows_->topLevelItem(0));
  editRow();
}

void QueryForm::showSaved(const QString& select) {
  const QSignalBlocker quiet(savedList_);
  savedList_->clear();
  for (const QString& name : saved_.names()) {
    auto* row = new QTreeWidgetItem(savedList_, {name});
    if (name.compare(select, Qt::CaseInsensitive) == 0) savedList_->setCurrentItem(row);
  }
}

int QueryForm::selectedItem() const {
  const QTreeWidgetItem* row = rows_->currentItem();
  return row ? row->data(0, Qt::UserRole).toInt() : -1;
}

QString QueryForm::selectedSaved() const {
  const QTreeWidgetItem* row = savedList_->currentItem();
  return row ? row->text(0) : QString();
}

void QueryForm::editRow() {
  const int index = selectedItem();
  if (index < 0) return;
  const QueryItem& item = items_[static_cast<std::size_t>(index)];
  field_->setCurrentIndex(index);
  if (item.isRange()) {
    operator_->setCurrentText(query_ops::kRange);
    value_->clear();
    const bool marked = item.low.startsWith(u'^') || item.high.startsWith(u'^');
    const auto unmarked = [](const QString& v) { return v.startsWith(u'^') ? v.mid(1) : v; };
    low_->setText(unmarked(item.low));
    high_->setText(unmarked(item.high));
    case_->setChecked(marked);
  } else {
    const QueryValueShown shown = showQueryValue(item.value);
    const int op = operator_->findText(shown.formOperator);
    // An operator the list does not offer ("~<") stays typed in the value.
    if (op >= 0) {
      operator_->setCurrentIndex(op);
      value_->setText(shown.text);
      case_->setChecked(shown.caseInsensitive);
    } else {
      operator_->setCurrentText(query_ops::kEqual);
      value_->setText(item.value);
      case_->setChecked(false);
    }
    low_->clear();
    high_->clear();
  }
  operatorChosen();
}

void QueryForm::operatorChosen() {
  const bool range = operator_->currentText() == query_ops::kRange;
  value_->setEnabled(!range);
  low_->setEnabled(range);
  high_->setEnabled(range);
}

bool QueryForm::putEditor(int replaced) {
  const int index = field_->currentIndex();
  if (index < 0 || index >= static_cast<int>(items_.size())) return false;
  QueryItem& item = items_[static_cast<std::size_t>(index)];
  QueryItem edited = item;
  const QString op = operator_->currentText();
  if (op == query_ops::kRange) {
    const QString mark = case_->isChecked() ? QStringLiteral("^") : QString();
    const QString low = low_->text(), high = high_->text();
    edited.setRange(low.isEmpty() ? low : mark + low, high.isEmpty() ? high : mark + high);
  } else if (op == query_ops::kEqual && readQueryValue(value_->text()).op != query_ops::kEqual) {
    // A value typed with its own operator ("~<5") is taken as typed.
    edited.setValue(value_->text());
  } else {
    edited.setValue(composeQueryValue(op, value_->text(), case_->isChecked()));
  }
  if (!edited.hasCondition()) return false;
  const QueryFilter check = itemFilter(edited);
  if (!check.ok()) {
    QueryFilter failure = check;
    failure.failedItem = index;
    if (report_) report_(items_, failure);
    return false;
  }
  if (replaced >= 0 && replaced != index) items_[static_cast<std::size_t>(replaced)].clearCondition();
  item = edited;
  showRows(index);
  return true;
}

void QueryForm::removeRow() {
  const int index = selectedItem();
  if (index < 0) return;
  items_[static_cast<std::size_t>(index)].clearCondition();
  showRows();
}

void QueryForm::saveQuery() {
  const QString name = name_->text().trimmed();
  if (!SavedQueries::acceptsName(name)) return;
  if (!saved_.save(name, items_)) return;
  outcome_->loadedName = name;
  showSaved(name);
}

void QueryForm::loadQuery() {
  QString name = selectedSaved();
  if (name.isEmpty()) name = name_->text().trimmed();
  if (!saved_.load(name, items_)) return;
  saved_.setLastUsed(name);
  outcome_->loadedName = name;
  name_->setText(name);
  showRows();
  sheet_->setCurrentIndex(0);
}

void QueryForm::deleteSaved() {
  const QString name = selectedSaved();
  if (name.isEmpty() || !saved_.remove(name)) return;
  showSaved();
}

void QueryForm::accept() {
  const QueryFilter filter = queryFilter(items_);
  if (!filter.ok()) {
    sheet_->setCurrentIndex(0);
    showRows(filter.failedItem);
    if (report_) report_(items_, filter);
    return;
  }
  outcome_->query = items_;
  finish();
}

void QueryForm::clearQuery() {
  clearConditions(items_);
  outcome_->query = items_;
  finish();
}

// Inside the frame's area the child window around the form is what closes.
void QueryForm::finish() { frameOf(this)->close(); }

void QueryForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    finish();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace bv
