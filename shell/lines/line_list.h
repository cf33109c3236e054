#pragma once
// The child lines of a form's record, kept in memory while the form is open
// and edited in place: each editable cell has a text or numeric editor; a
// value the cell refuses beeps and keeps the editor on the cell; a code that
// must exist in another table opens that table's list to select when it is
// not there. The lines are written with the form's record, in one
// transaction, when the form is saved.
//
// Control names: the list "?Lines:" followed by the line table ("?Lines:Formula2"),
// its cell editor "?LineEditor", its buttons "?LineInsert", "?LineChange" and
// "?LineDelete".
#include "runtime/context.h"
#include "runtime/picture.h"
#include "shell/lines/line_declaration.h"
#include "storage/transactions/child_line.h"

#include <QCoroTask>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <vector>

class QPushButton;
class QTableView;

namespace bv {

class FileManager;
class FormWindow;
class LineModel;
class RelationManager;

class LineList : public QWidget {
  Q_OBJECT
 public:
  LineList(const LineListDeclaration& declaration, FormWindow& form, QWidget* parent = nullptr);
  ~LineList() override;

  const LineListDeclaration& declaration() const { return declaration_; }
  FileManager& lineFile() const;
  RelationManager& lineRelation() const;

  // Reads the stored lines of the record in the form's buffer (none for a new one).
  void load();
  std::vector<ChildLine>& lines() { return lines_; }
  const std::vector<ChildLine>& lines() const { return lines_; }
  // Shows the lines again (after the window changed them).
  void refresh();
  // Did the lines change since they were read?
  // A line added and never filled in is no change.
  bool changed();
  // Checks every line that a save would write by its table's rules: the first
  // one that fails becomes current (scrolled to) and its message is shown.
  bool checkLines();
  // Writes the form's record and the lines in one transaction, with the
  // declaration's further tables; answers its level. Added lines never filled
  // in are left out. The lines are checked first (nothing is written when one
  // fails). After a failure the lines stay as they were in memory.
  int save();

  QTableView* table() const { return table_; }
  int currentLine() const;
  // The buttons' requests.
  void addLine();
  void editLine(int column = -1);
  void removeLine();
  // The open cell editor, if any.
  QLineEdit* editor() const { return editor_; }
  bool lookupPending() const { return lookupPending_; }

  // The cell editor's Enter (or Tab): a refused value beeps and keeps the
  // editor; a value accepted goes into the line and the editor closes.
  void acceptEditor();
  // The editor lost the focus: a value that can be taken is, any other is dropped.
  void leaveEditor();
  void closeEditor();

 signals:
  void linesChanged();

 private:
  friend class LineDelegate;
  QLineEdit* openEditor(QWidget* parent, int row, int column);
  std::optional<FieldValue> editorValue(int column) const;
  bool fetchLookup(const LineColumn& column, const FieldValue& value);
  void store(int row, int column, const FieldValue& value);
  QCoro::Task<void> lookUpCell(int row, int column);
  void linkToHeader(ChildLine& line);
  // The lines the save writes, linked to the header, and for each its row.
  std::vector<ChildLine> linesToWrite(std::vector<int>& rows);
  // Checks the lines by the table's rules; answers the index of the first that
  // fails (its row current, its message shown), or -1.
  int firstInvalid(const std::vector<ChildLine>& lines, const std::vector<int>& rows);
  void showCell(int row, int column);
  void updateButtons();

  const LineListDeclaration declaration_;
  FormWindow& form_;
  ContextId context_;
  std::vector<ChildLine> lines_;
  std::vector<RecordPosition> loaded_;
  std::vector<Record> loadedRecords_;
  std::vector<Picture> pictures_;
  LineModel* model_ = nullptr;
  QTableView* table_ = nullptr;
  QPushButton* insert_ = nullptr;
  QPushButton* change_ = nullptr;
  QPushButton* remove_ = nullptr;
  QPointer<QLineEdit> editor_;
  int editorRow_ = -1;
  int editorColumn_ = -1;
  bool lookupPending_ = false;
};

}  // namespace bv
