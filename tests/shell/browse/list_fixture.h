#pragma once
// The ground of the list and form tests: a fresh data directory with every
// table's file and relation manager, a frame area the windows open in, an
// execution context of the list's own, and a message window that answers
// from a script. A second station is another layer on the same directory.
#include "runtime/scripted_presenter.h"
#include "shell/call_window.h"
#include "shell/browse/list_window.h"
#include "shell/child_window.h"
#include "shell/form/form_window.h"
#include "storage/errors/standard_messages.h"
#include "storage/filelayer/file_layer.h"
#include "storage/managers/file_managers.h"
#include "storage/relations/relation_managers.h"
#include "tests/shell/shell_test_support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <gtest/gtest.h>

#include <iostream>

// Texts print readably in failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace bv::test {

class ListTest : public ::testing::Test {
 protected:
  ListTest() : scope_(script), context(ExecutionContext::create()) {
    errors.loadTable(standardMessageBlock());
    area.resize(900, 700);
    area.show();
  }
  ~ListTest() override {
    if (HasFailure())
      for (const MessageBox& box : script.shown())
        std::cerr << "  shown: " << box.title().toStdString() << " / " << box.text().toStdString() << '\n';
    for (QMdiSubWindow* sub : area.subWindowList()) delete sub;
    testing_shell::settle();
    ExecutionContext::release(context);
  }

  // Stores a record straight in the table's file, past numbering and rules.
  RecordPosition add(const char* table, const std::function<void(Record&)>& fill) {
    ContextGuard guard(context);
    FileManager& m = files[QString::fromLatin1(table)];
    m.open();
    m.use();
    Record r(m.table());
    fill(r);
    EXPECT_EQ(m.file().add(r), kFileOk);
    const RecordPosition at = m.file().position();
    m.close();
    return at;
  }
  RecordPosition brand(int code, const char* description) {
    return add("Marca", [&](Record& r) {
      r.setDecimal("MAR:CODIGO", code);
      r.setText("MAR:DESCRIPCION", QString::fromUtf8(description));
    });
  }
  // The stored record at a position, read by a station of its own.
  std::optional<Record> stored(const char* table, RecordPosition at) {
    auto handle = layer->file(*Dictionary::instance().table(QString::fromLatin1(table)));
    handle->open(kShareDenyNone);
    Record r(handle->table());
    if (handle->reget(at, r) != kFileOk) return std::nullopt;
    return r;
  }
  qint64 count(const char* table) {
    auto handle = layer->file(*Dictionary::instance().table(QString::fromLatin1(table)));
    handle->open(kShareDenyNone);
    return handle->recordCount();
  }
  // Another station changes a stored record.
  void otherStationChanges(const char* table, RecordPosition at, const std::function<void(Record&)>& change) {
    auto other = FileLayer::createSqlite({dir.path(), dir.path()});
    auto handle = other->file(*Dictionary::instance().table(QString::fromLatin1(table)));
    ASSERT_EQ(handle->open(kShareDenyNone), kFileOk);
    Record r(handle->table());
    ASSERT_EQ(handle->reget(at, r), kFileOk);
    change(r);
    ASSERT_EQ(handle->put(r), kFileOk);
  }

  // Opens a list in the test's context as the registry would, with `request`.
  ListWindow* openList(const ListDeclaration& declaration, int request = kNoRequest) {
    ContextGuard guard(context);
    setGlobalRequest(request);
    std::unique_ptr<ListWindow> list = makeList(declaration, relations);
    if (!list) return nullptr;
    ListWindow* shown = list.get();
    openChildWindow(area, std::move(list), declaration.procedure)->resize(700, 560);
    testing_shell::settle();
    return shown;
  }
  // The window of this class that is open in the area (the last one opened).
  template <typename W>
  W* open() {
    W* found = nullptr;
    for (QMdiSubWindow* sub : area.subWindowList())
      if (auto* w = qobject_cast<W*>(sub->widget()); w && sub->isVisible()) found = w;
    return found;
  }
  template <typename W>
  int openCount() {
    int n = 0;
    for (QMdiSubWindow* sub : area.subWindowList())
      if (qobject_cast<W*>(sub->widget()) && sub->isVisible()) ++n;
    return n;
  }
  template <typename W = QWidget>
  static W* child(QWidget* window, const QString& name) {
    return window ? window->findChild<W*>(name) : nullptr;
  }
  // Types into an entry and accepts it as leaving it does.
  static void type(QLineEdit* entry, const QString& text) {
    ASSERT_NE(entry, nullptr);
    entry->setFocus();
    entry->setText(text);
    entry->setModified(true);
    emit entry->editingFinished();
    testing_shell::settle();
  }
  static void press(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    ASSERT_NE(target, nullptr);
    QKeyEvent down(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &down);
    testing_shell::settle();
  }
  static void click(QWidget* window, const QString& name) {
    auto* b = child<QPushButton>(window, name);
    ASSERT_NE(b, nullptr) << name.toStdString();
    ASSERT_TRUE(b->isEnabled()) << name.toStdString();
    b->click();
    testing_shell::settle();
  }
  static QStringList column(const ListWindow& list, int c) {
    QStringList out;
    for (const ListRow& r : list.rows()) out << r.texts.value(c).trimmed();
    return out;
  }
  QStringList titles() const {
    QStringList out;
    for (const MessageBox& box : script.shown()) out << box.title();
    return out;
  }

  testing_shell::ShellTempDir settings;
  QTemporaryDir dir;
  ErrorManager errors;
  ScriptedPresenter script;
  std::shared_ptr<FileLayer> layer = FileLayer::createSqlite({dir.path(), dir.path()});
  FileManagers files{*layer, errors};
  RelationManagers relations{files};
  QMdiArea area;

 private:
  PresenterScope scope_;

 protected:
  ContextId context;
};

}  // namespace bv::test
