#pragma once
// The update form: one record of its primary table shown in the controls its
// declaration lists, edited, and written back through the table's managers.
//
// The form runs in its caller's execution context and shares its buffers. It
// takes its request from the global request code: insert (the record is primed
// when the form opens; a failed priming cancels the request before anything is
// shown), change (the current record, watched for other stations' changes, is
// held as it was read), delete (the relation manager asks "Confirmar Borrado"
// and deletes; the form is never shown) and view (nothing can be changed; no
// OK control). OK writes the record; cancel asks before changes are lost. The
// history key Ctrl+' gives a history field the value it had at the last OK.
//
// Control names: the window is named by its procedure ("UpdateMarca"), the
// sheet "?CurrentTab", the buttons "?OK" and "?Cancel"; the field controls as
// field_control.h says.
#include "runtime/context.h"
#include "shell/form/field_control.h"
#include "shell/form/form_declaration.h"
#include "shell/form/form_outcome.h"
#include "shell/frame/toolbar_target.h"
#include "shell/values/window_fields.h"

#include <QCoroTask>
#include <QPalette>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

class QPushButton;
class QTabWidget;

namespace bv {

class FileManager;
class LineList;
class RelationManager;
class RelationManagers;

class FormWindow : public QWidget, public ToolbarTarget {
  Q_OBJECT
 public:
  FormWindow(const FormDeclaration& declaration, RelationManagers& relations, int request,
             QWidget* parent = nullptr);
  ~FormWindow() override;

  // The opening before the window is shown: reports the procedure, opens the
  // relation managers and prepares the request (primes, holds or deletes).
  // False when the window is not to be shown; the outcome is final then.
  bool prepare();

  const FormDeclaration& declaration() const { return declaration_; }
  // The window's own behaviour, with its working values.
  FormBehaviour& behaviour() const { return *behaviour_; }
  // The fields, working values and tables as the window's computations read them.
  const WindowFields& fields() const { return *fields_; }
  int request() const { return request_; }
  ContextId context() const { return context_; }
  RelationManagers& relations() const { return relations_; }
  FileManager& primary() const;
  RelationManager& primaryRelation() const;
  // Shared with the caller, which reads it once the window is gone.
  std::shared_ptr<FormOutcome> outcome() const { return outcome_; }
  // Toolbar record navigation closes the form and the calling list goes on;
  // only a form called by a list takes those buttons.
  void setNavigable(bool on) { navigable_ = on; }

  FieldControl* control(const QString& field) const;
  const std::vector<std::unique_ptr<FieldControl>>& controls() const { return controls_; }
  QTabWidget* sheet() const { return sheet_; }
  // The form's child lines, when a tab declares them.
  LineList* lineList() const { return lineList_; }
  // Where the record held for change is stored (0 for a new record).
  RecordPosition heldPosition() const { return heldPosition_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }
  // Adds a button of the form's own beside OK and cancel.
  QPushButton* addButton(const QString& text, const QString& name, const QString& icon = {});

  // Shows the buffers again (after the behaviour's refreshing hook had its
  // say). `finalPass` is the refresh of OK, before the record is written.
  void refresh(bool finalPass = false);

  // Colour marks: a control shown in a colour (255 is red) until unmarked,
  // when it takes back the colours it had before.
  void mark(const QString& field, const QColor& colour = QColor(255, 0, 0));
  void unmark(const QString& field);
  bool isMarked(const QString& field) const;
  // Moves the focus to a control (its tab shown, its text selected).
  void focusField(const QString& field);
  // Did the user change the record since it was primed or read?
  bool recordChanged();

  // OK: every entry into the buffer (lookups included), validation, the write.
  QCoro::Task<void> complete(std::optional<ToolbarAction> via = std::nullopt);
  // Looks an entry's value up in its table; opens the table's list to select
  // when the value is not there (or at once when `direct`). False when the
  // user cancelled the list.
  QCoro::Task<bool> lookUp(FieldControl* control, bool direct);
  // The history key on one control.
  void recallHistory(FieldControl& control);

  bool takesToolbarAction(ToolbarAction action) const override;
  void toolbarAction(ToolbarAction action) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void build();
  void buildTab(QWidget* page, const FormTab& tab);
  void connectControl(FieldControl& control);
  QString title() const;
  // The synchronous part of accepting an entry; then its lookup, if any.
  void acceptControl(FieldControl& control, bool moveOn);
  QCoro::Task<void> acceptWithLookup(FieldControl* control, bool moveOn);
  QCoro::Task<void> lookUpDirect(FieldControl* control);
  // After an entry's value is in the buffer: the window's own hook, the
  // display, and the focus moving on (to the next control, or OK).
  void afterAccepted(FieldControl& control, bool moveOn);
  // Copies every control into the buffer without messages (before cancel compares).
  void storeAll();
  bool confirmCancel();
  void finish(int response);
  void release();
  void holdRecord();
  void focusControl(FieldControl* control);
  FieldControl* controlOf(const QObject* widget) const;
  FieldControl* controlOfField(int fieldNumber) const;
  int question(int message, int buttons, int defaultButton);

  const FormDeclaration declaration_;  // a copy: the window never depends on its caller keeping it
  RelationManagers& relations_;
  int request_;
  ContextId context_;
  std::unique_ptr<FormBehaviour> behaviour_;
  std::unique_ptr<WindowFields> fields_;
  // Marked controls and the palette each had before.
  std::vector<std::pair<QPointer<QWidget>, QPalette>> marks_;
  std::shared_ptr<FormOutcome> outcome_ = std::make_shared<FormOutcome>();
  std::vector<std::unique_ptr<FieldControl>> controls_;
  std::vector<RelationManager*> opened_;
  QTabWidget* sheet_ = nullptr;
  LineList* lineList_ = nullptr;
  RecordPosition heldPosition_ = 0;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  QWidget* buttonRow_ = nullptr;
  int savedBuffer_ = 0;  // the record as primed or read
  bool prepared_ = false;
  bool released_ = false;
  bool finishing_ = false;
  bool busy_ = false;  // a completion or lookup is running
  bool navigable_ = false;
  bool openedHookRan_ = false;
};

// Runs an update procedure for its caller: sets the global request, makes the
// form in the caller's execution context and waits until it is gone. The
// caller is disabled meanwhile. A delete, or a request the form cannot prepare,
// answers at once without a window.
QCoro::Task<FormOutcome> callForm(const FormDeclaration& declaration, RelationManagers& relations, int request,
                                  QWidget* caller, ContextId context, bool navigable = false);

}  // namespace bv
