// The form's window: its controls laid out by the declaration, the keys it
// takes and the frame toolbar's buttons.
#include "shell/form/form_window.h"

#include "shell/call_window.h"
#include "shell/child_window.h"
#include "shell/form/form_history.h"
#include "shell/lines/line_list.h"
#include "shell/system_images.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"

#include <QApplication>
#include <algorithm>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace bv {

FormWindow::FormWindow(const FormDeclaration& declaration, RelationManagers& relations, int request,
                       QWidget* parent)
    : QWidget(parent),
      declaration_(declaration),
      relations_(relations),
      request_(request),
      context_(ExecutionContext::current()) {
  setObjectName(declaration.procedure);
  behaviour_ = declaration_.behaviour ? declaration_.behaviour() : std::make_unique<FormBehaviour>();
  fields_ = std::make_unique<WindowFields>(relations.files(), &behaviour_->values());
  keepOnlyCloseButton(*this);  // a form is closed, never minimised or maximised
  build();
  showBackgroundImage(*this, declaration_.background);
  setWindowTitle(title());
}

FormWindow::~FormWindow() { release(); }

FileManager& FormWindow::primary() const { return relations_.files()[declaration_.table]; }

RelationManager& FormWindow::primaryRelation() const { return relations_[declaration_.table]; }

QString FormWindow::title() const {
  if (auto it = declaration_.titles.find(request_); it != declaration_.titles.end()) return it->second;
  switch (request_) {
    case kInsertRecord: return QStringLiteral("Agregando...");
    case kChangeRecord: return QStringLiteral("Editando...");
    case kViewRecord: return QStringLiteral("Ver registro");
    default: return declaration_.caption;
  }
}

void FormWindow::build() {
  auto* layout = new QVBoxLayout(this);
  sheet_ = new QTabWidget(this);
  sheet_->setObjectName(QStringLiteral("?CurrentTab"));
  int n = 0;
  for (const FormTab& tab : declaration_.tabs) {
    auto* page = new QWidget(sheet_);
    page->setObjectName(QStringLiteral("?Tab:%1").arg(++n));
    buildTab(page, tab);
    sheet_->addTab(page, tab.caption);
  }
  // A single tab without a caption is a form without tabs.
  if (declaration_.tabs.size() == 1 && declaration_.tabs.front().caption.isEmpty()) sheet_->tabBar()->hide();
  layout->addWidget(sheet_);

  buttonRow_ = new QWidget(this);
  auto* buttons = new QHBoxLayout(buttonRow_);
  buttons->setContentsMargins(0, 0, 0, 0);
  buttons->addStretch();
  ok_ = new QPushButton(systemIcon(declaration_.okIcon), declaration_.okText, buttonRow_);
  ok_->setObjectName(QStringLiteral("?OK"));
  cancel_ = new QPushButton(systemIcon(declaration_.cancelIcon), declaration_.cancelText, buttonRow_);
  cancel_->setObjectName(QStringLiteral("?Cancel"));
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  for (const FormButton& own : declaration_.buttons) {
    QPushButton* button = addButton(own.text, own.name, own.icon);
    connect(button, &QPushButton::clicked, this, [this, name = own.name] {
      if (busy_ || finishing_) return;
      ContextGuard guard(context_);
      storeAll();
      behaviour_->buttonPressed(*this, name);
    });
  }
  layout->addWidget(buttonRow_);
  for (QPushButton* b : {ok_, cancel_}) b->installEventFilter(this);

  connect(ok_, &QPushButton::clicked, this, [this] {
    ContextGuard guard(context_);
    complete();
  });
  connect(cancel_, &QPushButton::clicked, this, [this] { frameOf(this)->close(); });

  if (request_ == kViewRecord) {
    ok_->hide();
    for (const auto& c : controls_) {
      c->setEditable(false);
      if (c->lookupButton) c->lookupButton->setEnabled(false);
    }
  }
}

void FormWindow::buildTab(QWidget* page, const FormTab& tab) {
  auto* grid = new QGridLayout(page);
  grid->setColumnStretch(1, 1);
  int row = -1;
  QHBoxLayout* line = nullptr;
  FileManagers& files = relations_.files();
  for (const FormField& field : tab.fields) {
    if (!field.sameRow || !line) {
      ++row;
      line = new QHBoxLayout;
      grid->addLayout(line, row, 1);
    }
    std::optional<BoundField> bound = BoundField::resolve(files, field.field, &behaviour_->values());
    auto control = FieldControl::make(field, bound, page);
    if (!bound)
      for (const FormValue& value : declaration_.values)
        if (value.name.compare(field.field, Qt::CaseInsensitive) == 0)
          control->compute = [this, compute = value.compute] { return compute(*this); };
    if (!field.prompt.isEmpty() && field.control != FormControl::Check) {
      control->prompt = new QLabel(field.prompt, page);
      control->prompt->setObjectName(QStringLiteral("?%1:Prompt").arg(field.field));
      control->prompt->setBuddy(control->widget());
      if (field.sameRow)
        line->addWidget(control->prompt);
      else
        grid->addWidget(control->prompt, row, 0);
    }
    line->addWidget(control->widget(), field.control == FormControl::Text ? 1 : 0);
    if (!field.after.isEmpty()) {
      control->after = new QLabel(field.after, page);
      control->after->setObjectName(QStringLiteral("?%1:After").arg(field.field));
      line->addWidget(control->after);
    }
    if (field.lookup && field.lookup->button) {
      control->lookupButton = new QPushButton(systemIcon(QStringLiteral("wizFind.ico")), QString(), page);
      control->lookupButton->setObjectName(QStringLiteral("?Lookup:%1").arg(field.field));
      control->lookupButton->setFocusPolicy(Qt::NoFocus);
      line->addWidget(control->lookupButton);
    }
    if (field.readOnly) control->setEditable(false);
    connectControl(*control);
    controls_.push_back(std::move(control));
  }
  // Whatever follows a row stays to its left; the rows themselves stay on top.
  for (int r = 0; r <= row; ++r)
    if (auto* l = qobject_cast<QHBoxLayout*>(grid->itemAtPosition(r, 1)->layout())) l->addStretch();
  if (tab.lines && !lineList_) {
    if (!tab.lines->heading.isEmpty()) {
      auto* heading = new QLabel(tab.lines->heading, page);
      heading->setObjectName(QStringLiteral("?Lines:Heading"));
      grid->addWidget(heading, ++row, 0, 1, 2);
    }
    lineList_ = new LineList(*tab.lines, *this, page);
    // Totals and other displays follow the lines; entries keep what is typed.
    connect(lineList_, &LineList::linesChanged, this, [this] {
      if (!openedHookRan_) return;  // the first showing shows everything
      ContextGuard guard(context_);
      behaviour_->refreshing(*this, false);
      for (const auto& c : controls_)
        if (c->isDisplay()) c->showBuffer();
    });
    grid->addWidget(lineList_, ++row, 0, 1, 2);
    grid->setRowStretch(row, 1);
    return;
  }
  grid->setRowStretch(row + 1, 1);
}

void FormWindow::connectControl(FieldControl& control) {
  QWidget* w = control.widget();
  w->installEventFilter(this);
  if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    connect(edit, &QLineEdit::editingFinished, this, [this, edit] {
      // Leaving a changed entry accepts it; Enter is taken in eventFilter.
      FieldControl* c = controlOf(edit);
      if (c && edit->isModified() && !finishing_ && !busy_) acceptControl(*c, false);
    });
  }
  if (control.lookupButton)
    connect(control.lookupButton, &QPushButton::clicked, this, [this, c = &control] {
      ContextGuard guard(context_);
      lookUpDirect(c);
    });
}

FieldControl* FormWindow::control(const QString& field) const {
  for (const auto& c : controls_)
    if (c->name().compare(field, Qt::CaseInsensitive) == 0) return c.get();
  return nullptr;
}

FieldControl* FormWindow::controlOf(const QObject* widget) const {
  for (const auto& c : controls_)
    if (c->widget() == widget) return c.get();
  return nullptr;
}

FieldControl* FormWindow::controlOfField(int fieldNumber) const {
  for (const auto& c : controls_)
    if (c->bound() && c->bound()->belongsTo(primary()) && c->bound()->def().number == fieldNumber &&
        !c->isDisplay())
      return c.get();
  return nullptr;
}

QPushButton* FormWindow::addButton(const QString& text, const QString& name, const QString& icon) {
  auto* button = new QPushButton(systemIcon(icon), text, buttonRow_);
  button->setObjectName(name);
  auto* row = static_cast<QHBoxLayout*>(buttonRow_->layout());
  row->insertWidget(row->indexOf(ok_), button);
  return button;
}

void FormWindow::refresh(bool finalPass) {
  ContextGuard guard(context_);
  behaviour_->refreshing(*this, finalPass);
  for (const auto& c : controls_) c->showBuffer();
}

void FormWindow::mark(const QString& field, const QColor& colour) {
  FieldControl* c = control(field);
  if (!c) return;
  QWidget* w = c->widget();
  if (!isMarked(field)) marks_.emplace_back(w, w->palette());
  QPalette p = w->palette();
  p.setColor(QPalette::Text, colour);
  p.setColor(QPalette::WindowText, colour);
  p.setColor(QPalette::ButtonText, colour);
  w->setPalette(p);
}

void FormWindow::unmark(const QString& field) {
  FieldControl* c = control(field);
  if (!c) return;
  for (auto it = marks_.begin(); it != marks_.end(); ++it)
    if (it->first == c->widget()) {
      it->first->setPalette(it->second);
      marks_.erase(it);
      return;
    }
}

bool FormWindow::isMarked(const QString& field) const {
  const FieldControl* c = control(field);
  return c && std::any_of(marks_.begin(), marks_.end(), [&](const auto& m) { return m.first == c->widget(); });
}

void FormWindow::focusField(const QString& field) { focusControl(control(field)); }

void FormWindow::focusControl(FieldControl* control) {
  if (!control) return;
  for (QWidget* w = control->widget()->parentWidget(); w && w != this; w = w->parentWidget())
    if (sheet_->indexOf(w) >= 0) sheet_->setCurrentWidget(w);
  control->widget()->setFocus();
  if (auto* edit = qobject_cast<QLineEdit*>(control->widget())) edit->selectAll();
}

void FormWindow::recallHistory(FieldControl& control) {
  if (!control.declared().history || !control.bound() || request_ == kViewRecord) return;
  ContextGuard guard(context_);
  const Record& history = formHistory(declaration_.procedure, primary().table());
  control.bound()->assign(history.value(control.bound()->def()), false);
  control.showBuffer();
  control.setModified(true);
}

void FormWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (openedHookRan_) return;
  openedHookRan_ = true;
  ContextGuard guard(context_);
  refresh();
  for (const auto& c : controls_)
    if (!c->isDisplay() && c->widget()->isEnabled()) {
      focusControl(c.get());
      break;
    }
  behaviour_->opened(*this);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  if (auto* button = qobject_cast<QPushButton*>(watched)) {
    // Enter on a closing button presses it.
    if (enter && key->modifiers() == Qt::NoModifier) {
      button->click();
      return true;
    }
    return QWidget::eventFilter(watched, event);
  }
  FieldControl* c = controlOf(watched);
  if (!c) return QWidget::eventFilter(watched, event);
  if (key->key() == Qt::Key_Apostrophe && key->modifiers().testFlag(Qt::ControlModifier)) {
    recallHistory(*c);
    return true;
  }
  if (enter && (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) &&
      qobject_cast<QLineEdit*>(watched)) {
    // Enter accepts the entry; then it moves on (Enter as Tab) or presses OK.
    if (!busy_) acceptControl(*c, true);
    return true;
  }
  if (enter && key->modifiers().testFlag(Qt::ControlModifier)) {
    if (!busy_ && ok_->isVisible()) ok_->click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    frameOf(this)->close();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool FormWindow::takesToolbarAction(ToolbarAction action) const {
  switch (action) {
    case ToolbarAction::History: return request_ != kViewRecord;
    case ToolbarAction::Insert:
      return navigable_ && request_ != kViewRecord;
    case ToolbarAction::Top:
    case ToolbarAction::PageUp:
    case ToolbarAction::Up:
    case ToolbarAction::Down:
    case ToolbarAction::PageDown:
    case ToolbarAction::Bottom: return navigable_;
    default: return false;
  }
}

void FormWindow::toolbarAction(ToolbarAction action) {
  if (busy_ || finishing_) return;
  ContextGuard guard(context_);
  if (action == ToolbarAction::History) {
    if (FieldControl* c = controlOf(QApplication::focusWidget())) recallHistory(*c);
    return;
  }
  complete(action);
}

void FormWindow::closeEvent(QCloseEvent* event) {
  ContextGuard guard(context_);
  if (finishing_) {
    release();
    event->accept();
    return;
  }
  // A lookup list the form waits for closes first; its coroutine then finds
  // the form gone.
  if (!isEnabled() && !closeCalledWindows(this)) {
    event->ignore();
    return;
  }
  if (!confirmCancel()) {
    event->ignore();
    return;
  }
  finishing_ = true;
  release();
  event->accept();
}

}  // namespace bv
