// What the list asks of its form, choosing a record, the popup menu, the
// toolbox and the frame's toolbar.
#include "shell/browse/list_call.h"
#include "shell/browse/list_window.h"
#include "shell/call_window.h"
#include "shell/form/form_window.h"
#include "shell/system_images.h"
#include "shell/window_placement.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTableView>

namespace bv {
namespace {

std::optional<ListMove> moveOf(ToolbarAction action) {
  switch (action) {
    case ToolbarAction::Top: return ListMove::First;
    case ToolbarAction::PageUp: return ListMove::PageUp;
    case ToolbarAction::Up: return ListMove::Up;
    case ToolbarAction::Down: return ListMove::Down;
    case ToolbarAction::PageDown: return ListMove::PageDown;
    case ToolbarAction::Bottom: return ListMove::Last;
    default: return std::nullopt;
  }
}

}  // namespace

bool ListWindow::loadCurrentRow(bool forChange) {
  ContextGuard guard(context_);
  return loadCurrent(forChange);
}

bool ListWindow::loadCurrent(bool forChange) {
  if (current_ < 0 || current_ >= static_cast<int>(rows().size())) return false;
  FileManager& file = primary();
  // A record read for change is watched, so a write over another station's
  // change is refused.
  const ListRow& row = rows()[static_cast<std::size_t>(current_)];
  // The joined records go to their buffers too, for the form's displays.
  reader_->load(row.view);
  if (forChange) file.watch();
  return file.reget(row.position()) == kLevelBenign;
}

QCoro::Task<void> ListWindow::ask(int request) {
  // A list opened to view never calls its form; one form at a time.
  if (calling_ || request_ == kViewRecord || !declaration_.form) co_return;
  QPointer<ListWindow> self(this);
  const ContextId context = context_;
  calling_ = true;
  for (;;) {
    int index = 0;
    std::optional<ListRow> neighbour;
    std::optional<ListRow> top;
    {
      ContextGuard guard(context);
      index = std::max(current_, 0);
      if (!rows().empty()) top = rows().front();
      if (request != kInsertRecord) {
        if (!loadCurrent(request == kChangeRecord)) {
          // The record went away meanwhile: show what is there now.
          if (top) showRecord(top->position(), top->primary(), 0);
          break;
        }
        if (request == kDeleteRecord) {
          const auto next = static_cast<std::size_t>(current_ + 1);
          if (next < rows().size())
            neighbour = rows()[next];
          else if (current_ > 0)
            neighbour = rows()[static_cast<std::size_t>(current_ - 1)];
        }
      }
    }
    const FormOutcome outcome = co_await callForm(declaration_.form(), relations_, request, this, context, true);
    if (!self) co_return;
    ContextGuard guard(context);
    reader_->flush();
    afterForm(request, outcome, index, neighbour, top);
    if (!outcome.toolbar) break;
    // A toolbar button closed the form: insert again, or move and ask again.
    const ToolbarAction action = *outcome.toolbar;
    if (action == ToolbarAction::Insert || (action == ToolbarAction::Down && request == kInsertRecord)) {
      request = kInsertRecord;
      continue;
    }
    const std::optional<ListMove> step = moveOf(action);
    if (!step || rows().empty()) break;
    move(*step);
    if (request == kInsertRecord) request = kChangeRecord;
  }
  if (!self) co_return;
  calling_ = false;
  updateButtons();
  ToolbarTarget::changed(*this);
  table_->setFocus();
}

void ListWindow::afterForm(int request, const FormOutcome& outcome, int index,
                           const std::optional<ListRow>& neighbour, const std::optional<ListRow>& top) {
  if (outcome.response == kRequestCompleted) {
    switch (request) {
      case kInsertRecord:
      case kChangeRecord:
        if (outcome.position != 0) {
          showRecord(outcome.position, outcome.record, index);
          return;
        }
        break;
      case kDeleteRecord:
        if (neighbour)
          showRecord(neighbour->position(), neighbour->primary(), std::min(index, static_cast<int>(rows().size()) - 2));
        else
          loadFirst();
        return;
      default: break;
    }
  }
  // Cancelled (or nothing moved): the page is read again where it was.
  if (!top) {
    loadFirst();
    return;
  }
  showRecord(top->position(), top->primary(), 0);
  setCurrentRow(index);
}

void ListWindow::select() {
  if (request_ != kSelectRecord || !isConnected(ListAction::Select)) return;
  ContextGuard guard(context_);
  if (!loadCurrent(false)) return;
  selected_ = primary().buffer();
  response_ = kRequestCompleted;
  frameOf(this)->close();
}

std::unique_ptr<QMenu> ListWindow::popupMenu() {
  auto menu = std::make_unique<QMenu>(this);
  menu->setObjectName(QStringLiteral("?Popup"));
  const bool hasRows = !rows().empty();
  const auto entry = [&](const QString& text, const QKeySequence& keys, bool enabled, auto&& act) {
    QAction* a = menu->addAction(text);
    if (!keys.isEmpty()) a->setShortcut(keys);
    a->setEnabled(enabled);
    // Queued: the entry acts once the menu is done with (it may close the
    // list, and the menu with it); a list gone by then takes no action.
    connect(
        a, &QAction::triggered, this,
        [this, act] {
          ContextGuard guard(context_);
          act();
        },
        Qt::QueuedConnection);
    return a;
  };
  if (isConnected(ListAction::Insert))
    entry(QStringLiteral("&Nuevo"), QKeySequence(Qt::Key_Insert), true, [this] { ask(kInsertRecord); });
  if (isConnected(ListAction::Change))
    entry(QStringLiteral("&Editar"), QKeySequence(Qt::CTRL | Qt::Key_Return), hasRows, [this] { ask(kChangeRecord); });
  if (isConnected(ListAction::Delete))
    entry(QStringLiteral("&Borrar"), QKeySequence(Qt::Key_Delete), hasRows, [this] { ask(kDeleteRecord); });
  if (isConnected(ListAction::View))
    entry(QStringLiteral("&Ver"), QKeySequence(Qt::SHIFT | Qt::Key_Return), hasRows, [this] { ask(kViewRecord); });
  if (isConnected(ListAction::Print))
    entry(QStringLiteral("&Imprimir"), {}, hasRows, [this] { declaration_.print(*this); });
  if (buttons_.contains(ListAction::Query)) {
    menu->addSeparator();
    if (query_) query_->addPopupEntries(*menu, *this);
    entry(QStringLiteral("&Filtro"), {}, query_ != nullptr, [this] {
      if (query_) query_->ask(*this);
    });
  }
  if (request_ == kSelectRecord && isConnected(ListAction::Select))
    entry(QStringLiteral("E&legir"), {}, hasRows, [this] { select(); });
  if (isConnected(ListAction::Toolbox)) {
    menu->addSeparator();
    entry(QStringLiteral("&Toolbox"), {}, true, [this] { showToolbox(); });
  }
  // The window's own entries come last.
  for (PopupEntry& own : behaviour_->popupEntries(*this)) {
    if (own.separatorBefore) menu->addSeparator();
    entry(own.text, {}, true, [this, act = std::move(own.act)] {
      if (act) act(*this);
    });
  }
  return menu;
}

void ListWindow::showToolbox() {
  if (!toolbox_) {
    auto* box = new QWidget(this, Qt::Tool);
    box->setObjectName(QStringLiteral("?ToolboxWindow"));
    box->setWindowTitle(QStringLiteral("Toolbox"));
    auto* grid = new QGridLayout(box);
    struct Tool {
      ListMove move;
      const char* name;
      const char* icon;
    };
    static constexpr Tool tools[] = {
        {ListMove::First, "?Toolbox:Top", "wizFirst.ico"},   {ListMove::PageUp, "?Toolbox:PageUp", "wizPgUp.ico"},
        {ListMove::Up, "?Toolbox:Up", "wizUp.ico"},          {ListMove::Down, "?Toolbox:Down", "wizDown.ico"},
        {ListMove::PageDown, "?Toolbox:PageDown", "wizPgDn.ico"}, {ListMove::Last, "?Toolbox:Bottom", "wizLast.ico"},
    };
    int column = 0;
    for (const Tool& t : tools) {
      auto* b = new QPushButton(systemIcon(QString::fromLatin1(t.icon)), QString(), box);
      b->setObjectName(QString::fromLatin1(t.name));
      b->setFocusPolicy(Qt::NoFocus);
      grid->addWidget(b, 0, column++);
      connect(b, &QPushButton::clicked, this, [this, m = t.move] {
        if (!isEnabled()) return;
        ContextGuard guard(context_);
        move(m);
      });
    }
    toolbox_ = box;
  }
  if (!toolbox_->isVisible()) {
    // A tool window opens where the system puts it (the screen's corner, over
    // the frame's menu): it goes beside the list instead.
    toolbox_->adjustSize();
    QWidget* frame = frameOf(this);
    const QRect anchor(frame->mapToGlobal(QPoint(0, 0)), frame->frameGeometry().size());
    if (QScreen* screen = frame->screen())
      toolbox_->move(besideWindow(anchor, toolbox_->frameGeometry().size(), screen->availableGeometry()));
  }
  toolbox_->show();
  toolbox_->raise();
}

bool ListWindow::takesToolbarAction(ToolbarAction action) const {
  if (calling_ || !declaration_.takesToolbar) return false;
  const bool hasRows = !rows().empty();
  switch (action) {
    case ToolbarAction::Insert: return isConnected(ListAction::Insert);
    case ToolbarAction::Change: return isConnected(ListAction::Change) && hasRows;
    case ToolbarAction::Delete: return isConnected(ListAction::Delete) && hasRows;
    case ToolbarAction::Top:
    case ToolbarAction::PageUp:
    case ToolbarAction::Up:
    case ToolbarAction::Down:
    case ToolbarAction::PageDown:
    case ToolbarAction::Bottom: return true;
    case ToolbarAction::Locate: return locatorEntry(order_) != nullptr;
    default: return false;
  }
}

void ListWindow::toolbarAction(ToolbarAction action) {
  if (!takesToolbarAction(action)) return;
  ContextGuard guard(context_);
  switch (action) {
    case ToolbarAction::Insert: ask(kInsertRecord); return;
    case ToolbarAction::Change: ask(kChangeRecord); return;
    case ToolbarAction::Delete: ask(kDeleteRecord); return;
    case ToolbarAction::Locate:
      if (QLineEdit* entry = locatorEntry(order_)) {
        entry->setFocus();
        entry->selectAll();
      }
      return;
    default:
      if (const auto step = moveOf(action)) {
        move(*step);
        placeScrollBox();
      }
  }
}

QCoro::Task<int> callList(const ListDeclaration& declaration, RelationManagers& relations, int request,
                          QWidget* caller, ContextId context, std::optional<ListStart> start) {
  QPointer<QWidget> callerAlive = caller;
  std::unique_ptr<ListWindow> list;
  {
    ContextGuard guard(context);
    setGlobalRequest(request);
    list = makeList(declaration, relations, start);
    if (!list) co_return kRequestCancelled;
  }
  const std::shared_ptr<int> response = list->responseHandle();
  co_await callWindow(callerAlive.data(), std::move(list), declaration.procedure, context);
  co_return *response;
}

}  // namespace bv
