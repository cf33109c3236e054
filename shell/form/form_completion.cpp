// The form's request from opening to closing: priming, holding or deleting the
// record, OK, cancel, and what the caller is answered.
#include "shell/call_window.h"
#include "shell/form/form_history.h"
#include "shell/form/form_window.h"
#include "shell/lines/line_list.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QPushButton>

namespace bv {
namespace {
constexpr int kMsgRecordAdded = 3;     // "Registro Agregado": another one?
constexpr int kMsgConfirmCancel = 8;   // "Cambios serán perdidos!"
constexpr int kMsgRetryUpdate = 34;    // "Error al Actualizar"
constexpr int kMsgSaveRecord = 35;     // "Guardar Registro"

bool changedByOtherStation(FileManager& file) {
  const int error = file.errorNumber();
  return error == FileManager::kMsgChanged || error == FileManager::kMsgChangedLong;
}
}  // namespace

bool FormWindow::prepare() {
  ContextGuard guard(context_);
  prepared_ = true;
  FileManager& file = primary();
  file.errors().setProcedureName(declaration_.procedure);
  QStringList tables{declaration_.table};
  tables += declaration_.opens;
  if (lineList_) {
    tables << lineList_->declaration().table;
    for (const LineJoin& j : lineList_->declaration().joins) tables << j.table;
    tables += lineList_->declaration().tables;
  }
  for (const QString& table : tables) {
    RelationManager* relation = relations_.find(table);
    if (!relation) continue;
    opened_.push_back(relation);
    if (relation->open() != kLevelBenign) {
      release();
      return false;
    }
  }
  switch (request_) {
    case kInsertRecord:
      // The form primes the record itself, inside its own procedure scope, so
      // that the reserved number belongs to this form's opening of the table.
      if (file.primeRecord() != kLevelBenign) {
        release();
        return false;
      }
      behaviour_->primed(*this);
      holdRecord();
      if (lineList_) lineList_->load();
      return true;
    case kChangeRecord:
    case kViewRecord:
      heldPosition_ = file.position();
      holdRecord();
      if (request_ == kChangeRecord) primaryRelation().rememberLinks();
      if (lineList_) lineList_->load();
      return true;
    case kDeleteRecord:
      if (!behaviour_->deleting(*this)) {
        outcome_->response = kRequestCancelled;
        release();
        return false;
      }
      outcome_->response =
          primaryRelation().deleteRecord(true) == kLevelBenign ? kRequestCompleted : kRequestCancelled;
      release();
      return false;
    default:
      return true;
  }
}

void FormWindow::holdRecord() {
  FileManager& file = primary();
  if (savedBuffer_ != 0) file.restoreBuffer(savedBuffer_, false);
  savedBuffer_ = file.saveBuffer();
}

bool FormWindow::recordChanged() {
  ContextGuard guard(context_);
  if (lineList_ && lineList_->changed()) return true;
  return savedBuffer_ != 0 && !primary().equalBuffer(savedBuffer_);
}

void FormWindow::storeAll() {
  for (const auto& c : controls_)
    if (!c->isDisplay() && c->isModified()) c->store(false);
}

int FormWindow::question(int message, int buttons, int defaultButton) {
  ErrorManager& errors = primary().errors();
  const std::optional<MessageEntry> entry = errors.entry(message);
  if (!entry) return errors.raise(message);
  return errors.showMessage(errors.substitute(entry->text), entry->title, MessageIcon::Exclamation, buttons,
                            defaultButton);
}

QCoro::Task<void> FormWindow::complete(std::optional<ToolbarAction> via) {
  if (busy_ || finishing_ || !prepared_) co_return;
  QPointer<FormWindow> self(this);
  const ContextId context = context_;
  if (request_ == kViewRecord) {
    outcome_->toolbar = via;
    finish(kRequestCancelled);
    co_return;
  }
  storeAll();
  if (via && request_ == kInsertRecord && !recordChanged()) {
    // A toolbar button on a new record the user never touched writes nothing:
    // the list simply goes on.
    outcome_->toolbar = via;
    finish(kRequestCancelled);
    co_return;
  }
  busy_ = true;
  // No context guard may live across a co_await: each step sets its own.
  for (const auto& owned : controls_) {
    FieldControl* c = owned.get();
    {
      ContextGuard step(context);
      if (c->isDisplay() || !c->bound() || c->declared().readOnly) continue;
      if (!c->store(true)) {
        QApplication::beep();
        busy_ = false;
        focusControl(c);
        co_return;
      }
      if (!c->hasLookup()) continue;
    }
    const bool found = co_await lookUp(c, false);
    if (!self) co_return;
    if (!found) {
      busy_ = false;
      co_return;
    }
  }
  ContextGuard guard(context);
  busy_ = false;
  refresh(true);
  if (!behaviour_->completing(*this)) co_return;

  FileManager& file = primary();
  // The history keeps what the user meant to save, whether or not the write succeeds.
  formHistory(declaration_.procedure, file.table()).assignFrom(file.buffer());
  if (const int failed = file.validateRecord(true)) {
    focusControl(controlOfField(failed));
    co_return;
  }
  if (lineList_ && !lineList_->checkLines()) co_return;
  outcome_->toolbar = via;
  if (request_ == kInsertRecord) {
    // A form with lines writes the record and its lines in one transaction.
    if ((lineList_ ? lineList_->save() : file.insert()) != kLevelBenign) co_return;
    outcome_->position = file.position();
    outcome_->record = file.buffer();
    outcome_->response = kRequestCompleted;
    if (!via && declaration_.afterInsert == AfterInsert::AskForAnother &&
        question(kMsgRecordAdded, kButtonYes | kButtonNo, kButtonYes) == kButtonYes) {
      if (file.primeRecord() == kLevelBenign) {
        behaviour_->primed(*this);
        holdRecord();
        if (lineList_) lineList_->load();
        refresh();
        for (const auto& c : controls_)
          if (!c->isDisplay()) {
            focusControl(c.get());
            break;
          }
        co_return;
      }
    }
    finish(kRequestCompleted);
    co_return;
  }
  // Change: an unchanged record is not written.
  if (!recordChanged()) {
    outcome_->position = file.position();
    outcome_->record = file.buffer();
    finish(kRequestCompleted);
    co_return;
  }
  for (;;) {
    if ((lineList_ ? lineList_->save() : primaryRelation().update(true)) == kLevelBenign) {
      outcome_->position = file.position();
      outcome_->record = file.buffer();
      finish(kRequestCompleted);
      co_return;
    }
    if (changedByOtherStation(file)) {
      // The buffer holds the other station's values now; they are what a later
      // cancel compares with, and the history key brings the user's back.
      outcome_->toolbar.reset();
      holdRecord();
      primaryRelation().rememberLinks();
      refresh();
      co_return;
    }
    const int answer = question(kMsgRetryUpdate, kButtonYes | kButtonNo | kButtonCancel, kButtonYes);
    if (answer == kButtonYes) continue;
    if (answer == kButtonNo) {
      finish(kRequestCancelled);
      co_return;
    }
    outcome_->toolbar.reset();
    co_return;
  }
}

bool FormWindow::confirmCancel() {
  if (!prepared_) return true;
  if (request_ != kInsertRecord && request_ != kChangeRecord) return true;
  if (declaration_.cancel == CancelAction::Discard) return true;
  storeAll();
  if (!recordChanged()) return true;
  if (declaration_.cancel == CancelAction::Confirm) {
    if (question(kMsgConfirmCancel, kButtonYes | kButtonNo, kButtonNo) == kButtonYes) return true;
  } else {
    const int answer = question(kMsgSaveRecord, kButtonYes | kButtonNo | kButtonCancel, kButtonYes);
    if (answer == kButtonNo) return true;
    if (answer == kButtonYes) {
      // Saving closes the window, which cannot happen inside this close.
      QMetaObject::invokeMethod(
          this,
          [this] {
            ContextGuard guard(context_);
            complete();
          },
          Qt::QueuedConnection);
      return false;
    }
  }
  for (const auto& c : controls_)
    if (!c->isDisplay()) {
      focusControl(c.get());
      break;
    }
  return false;
}

void FormWindow::finish(int response) {
  outcome_->response = response;
  finishing_ = true;
  if (QWidget* frame = frameOf(this); frame && frame != this)
    frame->close();
  else
    close();
}

void FormWindow::release() {
  if (released_ || !prepared_) return;
  released_ = true;
  ContextGuard guard(context_);
  FileManager& file = primary();
  // A number reserved for a record that was never written goes back.
  if (request_ == kInsertRecord) primaryRelation().cancelAutoNumber();
  if (savedBuffer_ != 0) file.restoreBuffer(savedBuffer_, false);
  for (auto it = opened_.rbegin(); it != opened_.rend(); ++it) (*it)->close();
  opened_.clear();
  file.errors().removeProcedureName(declaration_.procedure);
  setGlobalResponse(outcome_->response);
}

QCoro::Task<FormOutcome> callForm(const FormDeclaration& declaration, RelationManagers& relations, int request,
                                  QWidget* caller, ContextId context, bool navigable) {
  QPointer<QWidget> callerAlive = caller;
  std::unique_ptr<FormWindow> form;
  std::shared_ptr<FormOutcome> outcome;
  {
    // No guard may live across the co_await below: the synchronous start gets its own.
    ContextGuard guard(context);
    setGlobalRequest(request);
    form = declaration.make ? declaration.make(declaration, relations, request)
                            : std::make_unique<FormWindow>(declaration, relations, request);
    form->setNavigable(navigable);
    outcome = form->outcome();
    if (!form->prepare()) co_return *outcome;
  }
  co_await callWindow(callerAlive.data(), std::move(form), declaration.procedure, context);
  co_return *outcome;
}

}  // namespace bv
