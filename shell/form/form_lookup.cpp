// Accepting entries, and the entries whose value must exist in another table.
#include "shell/browse/list_call.h"
#include "shell/form/form_window.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/linked_value.h"
#include "storage/relations/relation_managers.h"

#include <QApplication>
#include <QPushButton>

namespace bv {

void FormWindow::acceptControl(FieldControl& control, bool moveOn) {
  ContextGuard guard(context_);
  if (control.isDisplay() || request_ == kViewRecord || control.declared().readOnly) {
    if (moveOn) afterAccepted(control, true);
    return;
  }
  if (!behaviour_->beforeField(*this, control)) return;
  if (!control.store(true)) {
    // A text the picture cannot read (a letter in a number) stays to be corrected.
    QApplication::beep();
    focusControl(&control);
    return;
  }
  if (control.hasLookup()) {
    acceptWithLookup(&control, moveOn);
    return;
  }
  afterAccepted(control, moveOn);
}

void FormWindow::afterAccepted(FieldControl& control, bool moveOn) {
  const bool goOn = behaviour_->fieldAccepted(*this, control);
  refresh();
  if (!goOn) {
    focusControl(&control);
    return;
  }
  if (!moveOn) return;
  if (declaration_.enterAsTab)
    focusNextChild();
  else if (ok_->isVisible() && ok_->isEnabled())
    ok_->click();
}

QCoro::Task<void> FormWindow::acceptWithLookup(FieldControl* control, bool moveOn) {
  QPointer<FormWindow> self(this);
  const bool found = co_await lookUp(control, false);
  if (!self || !found) co_return;
  ContextGuard guard(context_);
  afterAccepted(*control, moveOn);
}

QCoro::Task<void> FormWindow::lookUpDirect(FieldControl* control) {
  if (busy_ || finishing_) co_return;
  QPointer<FormWindow> self(this);
  control->store(false);
  const bool found = co_await lookUp(control, true);
  if (!self || !found) co_return;
  ContextGuard guard(context_);
  afterAccepted(*control, false);
}

QCoro::Task<bool> FormWindow::lookUp(FieldControl* control, bool direct) {
  QPointer<FormWindow> self(this);
  const ContextId context = context_;
  const FormLookup& lookup = *control->declared().lookup;
  std::optional<BoundField> other;
  {
    ContextGuard guard(context);
    other = BoundField::resolve(relations_.files(), lookup.field);
    if (!other || !control->bound()) co_return true;
    FileManager& otherFile = other->file();
    const KeyDef& key = otherFile.keyDef(lookup.key);
    const FieldValue mine = control->bound()->value();
    if (!direct) {
      if (isEmptyValue(mine) && !lookup.required && !lookup.always) co_return true;
      if (const auto value = linkedValue(mine, other->def())) {
        other->assign(*value, false);
        if (otherFile.tryFetch(key) == kLevelBenign) {
          for (const auto& [from, to] : lookup.copies)
            if (auto a = BoundField::resolve(relations_.files(), from))
              if (auto b = BoundField::resolve(relations_.files(), to)) b->assign(a->value(), false);
          co_return true;
        }
      } else {
        otherFile.buffer().clear();
      }
    }
  }
  const bool wasBusy = busy_;
  busy_ = true;
  // A value typed but not on file opens the list on the nearest records.
  std::optional<ListStart> start;
  if (!direct) start = ListStart{lookup.field, other->value()};
  const int response = co_await callList(lookup.list(), relations_, kSelectRecord, this, context, start);
  if (!self) co_return false;
  ContextGuard guard(context);
  busy_ = wasBusy;
  if (response != kRequestCompleted) {
    // Cancelled: the form stays as it was, with the focus on the entry.
    control->showBuffer();
    behaviour_->lookupCancelled(*this, *control);
    focusControl(control);
    co_return false;
  }
  if (const auto value = linkedValue(other->value(), control->bound()->def()))
    control->bound()->assign(*value, false);
  for (const auto& [from, to] : lookup.copies)
    if (auto a = BoundField::resolve(relations_.files(), from))
      if (auto b = BoundField::resolve(relations_.files(), to)) b->assign(a->value(), false);
  refresh();
  focusControl(control);
  co_return true;
}

}  // namespace bv
