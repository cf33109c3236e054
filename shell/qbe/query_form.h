#pragma once
// The form "Query by Example Settings": the query's rows with an editor to
// insert, change and delete them ("Query Settings"), and the queries saved
// under names ("Saved Queries"). The form works on its own copy of the items;
// "&OK" hands the query back (when every value can be evaluated: otherwise
// message 41 and the form stays), "C&lear" hands back an empty query, and
// "&Cancel", Esc or the close box hand back nothing. Control names are in
// query_form_names.h.
#include "shell/qbe/query_item.h"
#include "shell/qbe/saved_queries.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;
class QTreeWidget;

namespace bv {

struct QueryFilter;

struct QueryFormOutcome {
  std::optional<QueryItems> query;  // set when the query is to be applied
  QString loadedName;               // the saved query loaded last in the form
};

class QueryForm : public QWidget {
  Q_OBJECT
 public:
  // Shows a value that cannot be evaluated (message 41).
  using Reporter = std::function<void(const QueryItems&, const QueryFilter&)>;

  QueryForm(QueryItems items, SavedQueries saved, Reporter report, std::shared_ptr<QueryFormOutcome> outcome,
            QWidget* parent = nullptr);

  const QueryItems& items() const { return items_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* buildQueryTab();
  QWidget* buildSavedTab();
  void showRows(int selectItem = -1);
  void showSaved(const QString& select = {});
  int selectedItem() const;
  QString selectedSaved() const;
  void editRow();
  void operatorChosen();
  // Puts the editor's condition on an item (clearing `replaced` first, when it
  // is another); false, with message 41, when its value cannot be evaluated.
  bool putEditor(int replaced);
  void removeRow();
  void saveQuery();
  void loadQuery();
  void deleteSaved();
  void accept();
  void clearQuery();
  void finish();

  QueryItems items_;
  SavedQueries saved_;
  Reporter report_;
  std::shared_ptr<QueryFormOutcome> outcome_;

  QTabWidget* sheet_ = nullptr;
  QTreeWidget* rows_ = nullptr;
  QComboBox* field_ = nullptr;
  QComboBox* operator_ = nullptr;
  QLineEdit* value_ = nullptr;
  QLineEdit* low_ = nullptr;
  QLineEdit* high_ = nullptr;
  QCheckBox* case_ = nullptr;
  QLineEdit* name_ = nullptr;
  QTreeWidget* savedList_ = nullptr;
};

}  // namespace bv
