#include "storage/errors/error_manager.h"

#include "runtime/halt.h"
#include "runtime/message_presenter.h"
#include "storage/errors/error_log.h"
#include "storage/errors/message_block.h"
#include "storage/errors/placeholders.h"
#include "storage/errors/standard_messages.h"

namespace bv {
namespace {

QString withoutTrailingBlanks(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && text[end - 1] == u' ') --end;
  return text.left(end);
}

MessageEntry undefinedEntry(int number) {
  return {std::uint16_t(number), kLevelNotice, QStringLiteral("Error"),
          QStringLiteral("Mensaje no definido: %1").arg(number), {}};
}

}  // namespace

ErrorManager& ErrorManager::instance() {
  static ErrorManager* manager = [] {
    // Never destroyed: windows may still raise while the program shuts down.
    auto* m = new ErrorManager;
    m->loadTable(standardMessageBlock());
    return m;
  }();
  return *manager;
}

bool ErrorManager::loadTable(const QByteArray& block, const QString& category) {
  ParsedMessageBlock parsed = parseMessageBlock(block);
  std::lock_guard lock(mutex_);
  for (MessageEntry& e : parsed.entries) {
    e.category = category;
    entries_.append(std::move(e));
  }
  return parsed.complete;
}

qsizetype ErrorManager::findEntry(int number, qsizetype before) const {
  for (qsizetype i = before - 1; i >= 0; --i)
    if (entries_[i].number == number) return i;
  return -1;
}

std::optional<MessageEntry> ErrorManager::entry(int number) const {
  std::lock_guard lock(mutex_);
  const qsizetype i = findEntry(number, entries_.size());
  if (i < 0) return std::nullopt;
  return entries_[i];
}

void ErrorManager::setDefaultCategory(const QString& category) {
  std::lock_guard lock(mutex_);
  defaultCategory_ = category;
}

QString ErrorManager::defaultCategory() const {
  std::lock_guard lock(mutex_);
  return defaultCategory_;
}

void ErrorManager::setFileName(const QString& name) {
  std::lock_guard lock(mutex_);
  fileName_ = withoutTrailingBlanks(name);
}

QString ErrorManager::fileName() const {
  std::lock_guard lock(mutex_);
  return fileName_;
}

void ErrorManager::setFieldText(const QString& text) {
  std::lock_guard lock(mutex_);
  fieldText_ = text.left(kTextLimit);
}

QString ErrorManager::fieldText() const {
  std::lock_guard lock(mutex_);
  return fieldText_;
}

QString ErrorManager::messageText() const {
  std::lock_guard lock(mutex_);
  return messageText_;
}

void ErrorManager::setProcedureName(const QString& name) { procedures_.get().append(name); }

void ErrorManager::removeProcedureName(const QString& name) {
  QStringList& names = procedures_.get();
  if (names.isEmpty()) return;
  if (name.isEmpty()) {
    names.removeLast();
    return;
  }
  const qsizetype i = names.lastIndexOf(name);
  if (i >= 0) names.removeAt(i);
}

QString ErrorManager::procedureName() const {
  const ContextId id = ExecutionContext::current();
  if (!procedures_.has(id)) return {};
  const QStringList& names = procedures_.get(id);
  return names.isEmpty() ? QString() : names.last();
}

void ErrorManager::dropContext(ContextId id) { procedures_.drop(id); }

void ErrorManager::captureError() {
  const RuntimeError current = currentRuntimeError();
  std::lock_guard lock(mutex_);
  error_ = current;
}

RuntimeError ErrorManager::capturedError() const {
  std::lock_guard lock(mutex_);
  return error_;
}

// Fills one entry's text (or any text, with entryIndex -1). %Previous is the
// earlier entry of the same number with its own placeholders filled, so that a
// text that extends an earlier one reads as that one would have.
QString ErrorManager::fill(const QString& text, qsizetype entryIndex) const {
  PlaceholderValues values{fileName_, fieldText_, messageText_, procedureName(),
                           defaultCategory_, {}, error_};
  if (entryIndex >= 0) {
    const MessageEntry& e = entries_[entryIndex];
    if (!e.category.isEmpty()) values.category = e.category;
    const qsizetype previous = findEntry(e.number, entryIndex);
    if (previous >= 0) values.previous = fill(entries_[previous].text, previous);
  }
  return substitutePlaceholders(text, values);
}

QString ErrorManager::substitute(const QString& text) const {
  std::lock_guard lock(mutex_);
  return fill(text, currentEntry_);
}

ErrorManager::Prepared ErrorManager::prepare(int number) {
  std::lock_guard lock(mutex_);
  const qsizetype i = findEntry(number, entries_.size());
  currentEntry_ = i;
  if (i >= 0) return {entries_[i], fill(entries_[i].text, i)};
  MessageEntry fallback = undefinedEntry(number);
  return {fallback, fallback.text};
}

int ErrorManager::raise(int number) {
  captureError();
  const Prepared message = prepare(number);
  bool logging = false;
  QString logFile;
  {
    std::lock_guard lock(mutex_);
    logging = logging_;
    logFile = logFileName_.isEmpty() ? QString::fromLatin1(kErrorLogFileName) : logFileName_;
  }
  if (logging) appendErrorLog(logFile, message.text);
  return present(message);
}

int ErrorManager::raiseWithMessage(int number, const QString& text) {
  {
    std::lock_guard lock(mutex_);
    messageText_ = text.left(kTextLimit);
  }
  return raise(number);
}

int ErrorManager::present(const Prepared& message) {
  bool silent = false;
  {
    std::lock_guard lock(mutex_);
    silent = silent_;
  }
  const MessageEntry& e = message.entry;
  switch (e.level) {
    case kLevelBenign:
      return kLevelBenign;
    case kLevelUser: {
      if (silent) return kLevelDeclined;
      const int answer = bv::showMessage(message.text, e.title, MessageIcon::Exclamation,
                                         kButtonYes | kButtonNo, kButtonYes);
      // Anything but "&SI" (the window closed another way) declines.
      return answer == kButtonYes ? kLevelBenign : kLevelDeclined;
    }
    case kLevelDeclined:
      return kLevelDeclined;
    case kLevelNotice:
      if (!silent)
        bv::showMessage(message.text, e.title, MessageIcon::Information, kButtonOk, kButtonOk);
      return kLevelNotice;
    default:  // 2, 3 and 6 and above: the program cannot go on
      if (!silent)
        bv::showMessage(message.text + QLatin1String(kFatalSuffix), e.title,
                        MessageIcon::Information, kButtonOk, kButtonOk);
      halt(e.title);
      return kLevelFatal;
  }
}

int ErrorManager::showMessage(const QString& text, const QString& title, MessageIcon icon,
                              int buttons, int defaultButton) {
  return bv::showMessage(text, title, icon, buttons, defaultButton);
}

int ErrorManager::showMessage(const QString& text, const QString& title, MessageIcon icon,
                              const QString& captions, int defaultButton) {
  return bv::showMessage(text, title, icon, captions, defaultButton);
}

void ErrorManager::setSilent(bool on) {
  std::lock_guard lock(mutex_);
  silent_ = on;
}

void ErrorManager::setLogging(bool on) {
  std::lock_guard lock(mutex_);
  logging_ = on;
}

void ErrorManager::setLogFileName(const QString& path) {
  std::lock_guard lock(mutex_);
  logFileName_ = path;
}

}  // namespace bv
