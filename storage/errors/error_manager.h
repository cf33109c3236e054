#pragma once
// The error manager: every failure that the storage layer, the field rules or a
// window reports is raised here as a numbered message. The manager looks the
// number up in its table, fills the placeholders with the current file, field,
// message, runtime error and procedure, and acts by the message's level:
// nothing, a question, a notice, or the end of the program.
//
// The program has one manager, shared by every execution context; only the
// procedure names are kept per context. Boxes are shown through the installed
// message presenter, on the raising context, and never while the manager's lock
// is held, so a window may raise again while a box is open.
#include "runtime/context.h"
#include "runtime/message_box.h"
#include "runtime/runtime_error.h"
#include "storage/errors/message_entry.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <mutex>
#include <optional>

namespace bv {

class ErrorManager {
 public:
  // The limit of the field text and the message text.
  static constexpr int kTextLimit = 255;
  static constexpr char kFatalSuffix[] = "  Press OK to end this application";

  // The program's manager, with the built-in table loaded on first use.
  static ErrorManager& instance();

  ErrorManager() = default;  // an empty table
  ErrorManager(const ErrorManager&) = delete;
  ErrorManager& operator=(const ErrorManager&) = delete;

  // Appends the entries of a packed block (storage/errors/message_block.h) to the
  // table; a later entry with a number already loaded takes its place. The
  // entries take this category (empty: the default one). False when the block
  // was truncated or corrupt; the entries before the bad one are loaded.
  bool loadTable(const QByteArray& block, const QString& category = {});
  // The entry a raise of this number uses, if the table has one.
  std::optional<MessageEntry> entry(int number) const;

  void setDefaultCategory(const QString& category);
  QString defaultCategory() const;
  void setFileName(const QString& name);  // trailing blanks removed
  QString fileName() const;
  void setFieldText(const QString& text);
  QString fieldText() const;
  QString messageText() const;

  // Procedure names of the current context; %Procedure is the last one added.
  void setProcedureName(const QString& name);
  // Removes the last name added by the current context, or with a name the last
  // one equal to it.
  void removeProcedureName(const QString& name = {});
  QString procedureName() const;
  // Forgets the names of a context that has ended.
  void dropContext(ContextId id);

  // Stores the current context's runtime error for the placeholders.
  void captureError();
  RuntimeError capturedError() const;

  // Captures the error, finds the entry and acts by its level; answers the
  // level's result (0, 4 for a question declined, 3, 5). A number with no
  // entry is shown as a notice "Error" / "Mensaje no definido: N".
  int raise(int number);
  // Sets %Message (cut to kTextLimit), then raises.
  int raiseWithMessage(int number, const QString& text);

  // The message window, for boxes that are not table messages.
  int showMessage(const QString& text, const QString& title, MessageIcon icon, int buttons,
                  int defaultButton = 0);
  int showMessage(const QString& text, const QString& title, MessageIcon icon,
                  const QString& captions, int defaultButton = 0);

  // The text with its placeholders filled from the current state; %Category and
  // %Previous refer to the entry last raised.
  QString substitute(const QString& text) const;

  // Switches that are off in this program. Silent shows nothing (a question is
  // then declined and a fatal message still ends the program); logging appends
  // every raised message to the error log.
  void setSilent(bool on);
  void setLogging(bool on);
  void setLogFileName(const QString& path);  // "ABCError.Log" unless set

 private:
  struct Prepared {
    MessageEntry entry;
    QString text;
  };
  Prepared prepare(int number);
  QString fill(const QString& text, qsizetype entryIndex) const;
  qsizetype findEntry(int number, qsizetype before) const;
  int present(const Prepared& message);

  mutable std::mutex mutex_;
  QList<MessageEntry> entries_;
  qsizetype currentEntry_ = -1;
  QString defaultCategory_ = QStringLiteral("ABC");
  QString fileName_;
  QString fieldText_;
  QString messageText_;
  RuntimeError error_;
  mutable PerContext<QStringList> procedures_;
  bool silent_ = false;
  bool logging_ = false;
  QString logFileName_;
};

}  // namespace bv
