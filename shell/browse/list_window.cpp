// The list's window: its controls, opening and closing, and the buttons by mode.
#include "shell/browse/list_window.h"

#include "shell/browse/list_columns.h"
#include "shell/browse/locator.h"
#include "shell/browse/pinned_columns.h"
#include "shell/call_window.h"
#include "shell/field_access.h"
#include "shell/system_images.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace bv {
namespace {

struct ButtonDef {
  ListAction action;
  const char* name;
  const char* text;  // the default; the declaration may word it its own way
  const char* icon;
};

// In the order they stand, left to right.
constexpr ButtonDef kButtons[] = {
    {ListAction::Query, "?Query", nullptr, "wizFind.ico"},
    {ListAction::Insert, "?Insert", nullptr, "wizIns.ico"},
    {ListAction::Change, "?Change", nullptr, "wizEdit.ico"},
    {ListAction::Delete, "?Delete", nullptr, "wizDel.ico"},
    {ListAction::View, "?View", "&Ver", "wizFind.ico"},
    {ListAction::Print, "?Print", "&Imprimir", "wizPrint.ico"},
    {ListAction::Toolbox, "?Toolbox", "&Toolbox", "wizTool.ico"},
};

// Dialog units to pixels: four horizontal units are one average character.
int dialogUnits(const QWidget& w, int units) { return (units * w.fontMetrics().averageCharWidth() + 3) / 4; }

}  // namespace

ListWindow::ListWindow(const ListDeclaration& declaration, RelationManagers& relations, QWidget* parent)
    : QWidget(parent), declaration_(declaration), relations_(relations), context_(ExecutionContext::current()) {
  setObjectName(declaration.procedure);
  setWindowTitle(declaration.caption);
  behaviour_ = declaration_.behaviour ? declaration_.behaviour() : std::make_unique<ListBehaviour>();
  fields_ = std::make_unique<WindowFields>(relations.files(), &behaviour_->values());
  reader_ = std::make_unique<ListReader>(relations.files(), declaration_, *fields_);
  appliedLocator_.resize(declaration.orders.size());
  columns_ = std::make_unique<ListColumns>(declaration_, relations.files(), *fields_);
  build();
  showBackgroundImage(*this, declaration_.background);
}

ListWindow::~ListWindow() {
  if (toolbox_) delete toolbox_.data();
  release();
}

FileManager& ListWindow::primary() const { return reader_->primary(); }

void ListWindow::build() {
  auto* layout = new QVBoxLayout(this);
  sheet_ = new QTabWidget(this);
  sheet_->setObjectName(QStringLiteral("?CurrentTab"));
  FileManagers& files = relations_.files();
  int n = 0;
  for (const ListOrder& order : declaration_.orders) {
    auto* page = new QWidget(sheet_);
    page->setObjectName(QStringLiteral("?Tab:%1").arg(++n));
    auto* row = new QHBoxLayout(page);
    QLineEdit* entry = nullptr;
    if (order.locator.kind != LocatorKind::None) {
      auto* prompt = new QLabel(order.locator.prompt, page);
      prompt->setObjectName(QStringLiteral("?%1:Prompt").arg(order.locator.field));
      entry = new QLineEdit(page);
      entry->setObjectName(QStringLiteral("?%1").arg(order.locator.field));
      entry->setMaxLength(kLocatorLength);
      const auto bound = BoundField::resolve(files, order.locator.field);
      const Picture picture = pictureFor(order.locator.picture, bound ? &bound->def() : nullptr);
      entry->setMaximumWidth(entry->fontMetrics().averageCharWidth() * (std::clamp(picture.width(), 4, 40) + 2) + 12);
      prompt->setBuddy(entry);
      row->addWidget(prompt);
      row->addWidget(entry);
      entry->installEventFilter(this);
      const int index = n - 1;
      connect(entry, &QLineEdit::editingFinished, this, [this, index] {
        if (index == order_ && isEnabled()) acceptLocatorOf(index);
      });
    }
    row->addStretch();
    locators_.push_back(entry);
    sheet_->addTab(page, order.tab);
  }
  // A single order without a tab caption is a list without tabs.
  if (declaration_.orders.size() <= 1)
    sheet_->tabBar()->setVisible(declaration_.orders.size() == 1 && !declaration_.orders.front().tab.isEmpty());
  sheet_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
  layout->addWidget(sheet_);
  connect(sheet_, &QTabWidget::currentChanged, this, [this](int index) {
    ContextGuard guard(context_);
    setCurrentOrder(index);
  });

  auto* listRow = new QHBoxLayout;
  listRow->setSpacing(0);
  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("?Browse:1"));
  model_ = new ListModel(declaration_.columns, table_);
  auto* header = new GroupedHeader(declaration_.columns, table_);
  table_->setHorizontalHeader(header);
  table_->setModel(model_);
  table_->setItemDelegate(new ColourDelegate(table_));
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->setShowGrid(false);
  table_->setWordWrap(false);
  table_->setContextMenuPolicy(Qt::DefaultContextMenu);
  table_->installEventFilter(this);
  table_->viewport()->installEventFilter(this);
  for (std::size_t i = 0; i < declaration_.columns.size(); ++i) {
    const ListColumn& c = declaration_.columns[i];
    const int section = static_cast<int>(i);
    // At least as wide as its header, so every header can be read.
    const int headerWidth = fontMetrics().horizontalAdvance(c.header) + 12;
    // A number or a date is never cut: its column holds every digit its picture shows.
    const Picture& picture = columns_->picture(section);
    const bool digits = picture.isNumeric() || picture.kind() == Picture::Kind::Date;
    int digitsWidth = digits ? fontMetrics().horizontalAdvance(QString(picture.width(), u'9')) + 12 : 0;
    // A short code in a column the user cannot widen is shown whole too.
    if (!c.resizable && picture.kind() == Picture::Kind::Text && picture.width() <= 20)
      digitsWidth = fontMetrics().horizontalAdvance(QString(picture.width(), u'M')) * 3 / 4 + 12;
    header->resizeSection(section, std::max({dialogUnits(*this, c.width), headerWidth, digitsWidth, 4}));
    header->setSectionResizeMode(section, c.resizable ? QHeaderView::Interactive : QHeaderView::Fixed);
  }
  header->setStretchLastSection(true);
  connect(table_, &QTableView::clicked, this, [this](const QModelIndex& index) {
    ContextGuard guard(context_);
    setCurrentRow(index.row());
    behaviour_->rowClicked(*this, index.row());
    behaviour_->cellClicked(*this, index.row(), index.column());
  });
  connect(table_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    ContextGuard guard(context_);
    setCurrentRow(index.row());
    if (declaration_.columns[static_cast<std::size_t>(index.column())].editedInPlace)
      editCell(index.column());
    else if (request_ == kSelectRecord && isConnected(ListAction::Select))
      select();
    else if (isConnected(ListAction::Change))
      ask(kChangeRecord);
  });
  addListBox(*listRow, *table_, declaration_.columns);
  scroll_ = new QScrollBar(Qt::Vertical, this);
  scroll_->setObjectName(QStringLiteral("?Browse:1:Scroll"));
  scroll_->setRange(0, 100);
  scroll_->setPageStep(10);
  scroll_->setFocusPolicy(Qt::NoFocus);
  connect(scroll_, &QScrollBar::actionTriggered, this, [this](int action) {
    ContextGuard guard(context_);
    switch (action) {
      case QAbstractSlider::SliderSingleStepAdd: move(ListMove::Down); break;
      case QAbstractSlider::SliderSingleStepSub: move(ListMove::Up); break;
      case QAbstractSlider::SliderPageStepAdd: move(ListMove::PageDown); break;
      case QAbstractSlider::SliderPageStepSub: move(ListMove::PageUp); break;
      case QAbstractSlider::SliderToMinimum: move(ListMove::First); break;
      case QAbstractSlider::SliderToMaximum: move(ListMove::Last); break;
      default: return;
    }
    // The box shows where the page is, not where the arrow would take it.
    QMetaObject::invokeMethod(this, [this] { placeScrollBox(); }, Qt::QueuedConnection);
  });
  connect(scroll_, &QScrollBar::sliderReleased, this, [this] {
    ContextGuard guard(context_);
    jumpTo(scroll_->value());
  });
  listRow->addWidget(scroll_);
  layout->addLayout(listRow, 1);

  auto* buttonRow = new QWidget(this);
  buildButtons(buttonRow);
  layout->addWidget(buttonRow);
}

void ListWindow::buildButtons(QWidget* row) {
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  const ListButtons& b = declaration_.buttons;
  const QHash<ListAction, bool> declared{
      {ListAction::Query, b.query},         {ListAction::Insert, b.insert && bool(declaration_.form)},
      {ListAction::Change, b.change && bool(declaration_.form)},
      {ListAction::Delete, b.remove && bool(declaration_.form)},
      {ListAction::View, b.view && bool(declaration_.form)},
      {ListAction::Print, bool(declaration_.print)}, {ListAction::Toolbox, b.toolbox},
  };
  const QHash<ListAction, QString> texts{{ListAction::Query, b.queryText},
                                         {ListAction::Insert, b.insertText},
                                         {ListAction::Change, b.changeText},
                                         {ListAction::Delete, b.deleteText}};
  for (const ButtonDef& def : kButtons) {
    if (!declared.value(def.action)) continue;
    const QString text = def.text ? QString::fromUtf8(def.text) : texts.value(def.action);
    auto* button = new QPushButton(systemIcon(QString::fromLatin1(def.icon)), text, row);
    button->setObjectName(QString::fromLatin1(def.name));
    layout->addWidget(button);
    buttons_.insert(def.action, button);
  }
  for (const ListExtraButton& extra : declaration_.extras) {
    auto* button = new QPushButton(systemIcon(extra.icon), extra.text, row);
    button->setObjectName(extra.name);
    layout->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, act = extra.act] {
      ContextGuard guard(context_);
      if (act) act(*this);
    });
  }
  layout->addStretch();
  if (b.select) {
    auto* button = new QPushButton(systemIcon(b.selectIcon), b.selectText, row);
    button->setObjectName(QStringLiteral("?Select"));
    layout->addWidget(button);
    buttons_.insert(ListAction::Select, button);
  }
  if (b.close) {
    auto* button = new QPushButton(systemIcon(b.closeIcon), b.closeText, row);
    button->setObjectName(QStringLiteral("?Close"));
    layout->addWidget(button);
    buttons_.insert(ListAction::Close, button);
  }
  for (QPushButton* button : buttons_) button->installEventFilter(this);

  const auto on = [this](ListAction action, auto&& act) {
    if (QPushButton* button = buttons_.value(action))
      connect(button, &QPushButton::clicked, this, [this, action, act] {
        if (!isConnected(action)) return;
        ContextGuard guard(context_);
        act();
      });
  };
  on(ListAction::Insert, [this] { ask(kInsertRecord); });
  on(ListAction::Change, [this] { ask(kChangeRecord); });
  on(ListAction::Delete, [this] { ask(kDeleteRecord); });
  on(ListAction::View, [this] { ask(kViewRecord); });
  on(ListAction::Print, [this] { declaration_.print(*this); });
  on(ListAction::Query, [this] {
    if (query_) query_->ask(*this);
  });
  on(ListAction::Toolbox, [this] { showToolbox(); });
  on(ListAction::Select, [this] { select(); });
  on(ListAction::Close, [this] { frameOf(this)->close(); });
}

QSize ListWindow::sizeHint() const {
  int width = scroll_->sizeHint().width() + 24;
  for (const ListColumn& c : declaration_.columns) width += std::max(dialogUnits(*this, c.width), 4);
  const int rows = table_->verticalHeader()->defaultSectionSize() * 15 + table_->horizontalHeader()->sizeHint().height();
  return {std::clamp(width, 420, 1000), rows + sheet_->sizeHint().height() + 80};
}

bool ListWindow::open(const std::optional<ListStart>& start) {
  ContextGuard guard(context_);
  FileManager& file = primary();
  file.errors().setProcedureName(declaration_.procedure);
  opened_ok_ = true;
  request_ = globalRequest();
  clearGlobalCodes();
  QStringList tables{declaration_.view.table};
  for (const ListJoin& j : declaration_.view.joins) tables << j.table;
  for (const QString& table : tables) {
    RelationManager* relation = relations_.find(table);
    if (!relation) continue;
    opened_.push_back(relation);
    if (relation->open() != kLevelBenign) return false;
  }
  if (reader_->open() != kLevelBenign) return false;
  connectButtons();
  if (const ListQueryMaker& maker = listQueryMaker()) query_ = maker(*this);
  behaviour_->opening(*this);
  if (!start || !startAt(*start)) loadFirst();
  return true;
}

void ListWindow::connectButtons() {
  const bool viewing = request_ == kViewRecord;
  const bool hasForm = bool(declaration_.form);
  connected_[ListAction::Insert] = hasForm && declaration_.buttons.insert && !viewing;
  connected_[ListAction::Change] = hasForm && declaration_.buttons.change && !viewing;
  connected_[ListAction::Delete] = hasForm && declaration_.buttons.remove && !viewing;
  connected_[ListAction::View] = hasForm && declaration_.buttons.view;
  connected_[ListAction::Select] = declaration_.buttons.select;
  connected_[ListAction::Print] = bool(declaration_.print);
  connected_[ListAction::Query] = declaration_.buttons.query;
  connected_[ListAction::Toolbox] = declaration_.buttons.toolbox;
  connected_[ListAction::Close] = true;
  for (ListAction a : {ListAction::Insert, ListAction::Change, ListAction::Delete})
    if (!connected_[a])
      if (QPushButton* b = buttons_.value(a)) b->hide();
}

bool ListWindow::isConnected(ListAction action) const { return connected_.value(action, false); }

void ListWindow::withhold(ListAction action) {
  connected_[action] = false;
  if (QPushButton* b = buttons_.value(action)) b->hide();
  updateButtons();
  ToolbarTarget::changed(*this);
}

QLineEdit* ListWindow::locatorEntry(int order) const {
  return order >= 0 && order < static_cast<int>(locators_.size()) ? locators_[static_cast<std::size_t>(order)]
                                                                  : nullptr;
}

void ListWindow::updateButtons() {
  const bool hasRows = !rows().empty();
  for (ListAction a : {ListAction::Insert, ListAction::Query, ListAction::Toolbox, ListAction::Close})
    if (QPushButton* b = buttons_.value(a)) b->setEnabled(isConnected(a) && (a != ListAction::Query || query_));
  for (ListAction a : {ListAction::Change, ListAction::Delete, ListAction::View, ListAction::Print})
    if (QPushButton* b = buttons_.value(a)) b->setEnabled(isConnected(a) && hasRows);
  for (QPushButton* b : findChildren<QPushButton*>())
    for (const ListExtraButton& extra : declaration_.extras)
      if (b->objectName() == extra.name) b->setEnabled(!extra.needsRows || hasRows);
  if (QPushButton* select = buttons_.value(ListAction::Select)) {
    if (request_ == kSelectRecord) {
      select->show();
      select->setEnabled(hasRows);
      select->setDefault(hasRows);
    } else {
      select->setEnabled(false);
      select->hide();
    }
  }
}

void ListWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  fitPage();
  table_->setFocus();
}

void ListWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (isVisible()) fitPage();
}

void ListWindow::closeEvent(QCloseEvent* event) {
  // The form the list waits for closes first (asking its own questions).
  if (!closeCalledWindows(this)) {
    event->ignore();
    return;
  }
  release();
  event->accept();
}

void ListWindow::release() {
  if (released_ || !opened_ok_) return;
  released_ = true;
  ContextGuard guard(context_);
  FileManager& file = primary();
  reader_->close();
  for (auto it = opened_.rbegin(); it != opened_.rend(); ++it) (*it)->close();
  opened_.clear();
  file.errors().removeProcedureName(declaration_.procedure);
  // Closing gave the caller's tables their state back; the record chosen is
  // what the caller asked for, so it stays in the buffer.
  if (selected_) file.buffer() = *selected_;
  *responseHandle_ = response_;
  setGlobalResponse(response_);
}

std::unique_ptr<ListWindow> makeList(const ListDeclaration& declaration, RelationManagers& relations,
                                     const std::optional<ListStart>& start) {
  std::unique_ptr<ListWindow> list = declaration.make ? declaration.make(declaration, relations)
                                                      : std::make_unique<ListWindow>(declaration, relations);
  if (!list->open(start)) return nullptr;
  return list;
}

}  // namespace bv
