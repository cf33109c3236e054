#pragma once
// The list window: a table's records through its view, one page at a time,
// in the order of the tab chosen, found by typing into the tab's locator, and
// the insert, change, delete and view requests that call the update form.
//
// A list started from the menu runs in an execution context of its own; a
// list opened to select (request 4) runs in its caller's and answers completed
// only when a record was chosen, which is then in the primary table's buffer.
// A list opened to view (request 6) never calls its form. While its form is
// open the list is disabled; every other window stays usable.
//
// Control names: the window by its procedure ("BrowseMarca"), the sheet
// "?CurrentTab" with its tabs "?Tab:1", ..., each tab's locator entry "?" and
// the locator's field ("?MAR:DESCRIPCION") with its prompt
// "?MAR:DESCRIPCION:Prompt", the list box "?Browse:1" with its scroll bar
// "?Browse:1:Scroll", the buttons "?Query", "?Insert", "?Change", "?Delete",
// "?View", "?Print", "?Toolbox", "?Select", "?Close", the popup menu "?Popup"
// and the floating toolbox "?ToolboxWindow".
#include "runtime/context.h"
#include "runtime/picture.h"
#include "shell/browse/list_call.h"
#include "shell/browse/list_declaration.h"
#include "shell/browse/list_model.h"
#include "shell/browse/list_query.h"
#include "shell/browse/list_reader.h"
#include "shell/form/form_outcome.h"
#include "shell/frame/toolbar_target.h"

#include <QCoroTask>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QTabWidget;
class QTableView;

namespace bv {

class ListColumns;
class RelationManager;
class RelationManagers;

enum class ListAction { Query, Insert, Change, Delete, View, Print, Toolbox, Select, Close };
enum class ListMove { First, Last, Up, Down, PageUp, PageDown };

class ListWindow : public QWidget, public ToolbarTarget {
  Q_OBJECT
 public:
  // Rows read for a window that has not been laid out yet.
  static constexpr int kFirstPage = 20;

  ListWindow(const ListDeclaration& declaration, RelationManagers& relations, QWidget* parent = nullptr);
  ~ListWindow() override;

  // The opening: reports the procedure, takes the request (and clears the
  // global codes), opens the relation managers, connects the buttons by mode,
  // and fills the list from the default sort order. False when a file could
  // not be opened.
  bool open(const std::optional<ListStart>& start = std::nullopt);

  const ListDeclaration& declaration() const { return declaration_; }
  RelationManagers& relations() const { return relations_; }
  // The window's own behaviour, with its working values.
  ListBehaviour& behaviour() const { return *behaviour_; }
  // The row fields, working values and tables as the window's computations read them.
  const WindowFields& fields() const { return *fields_; }
  FileManager& primary() const;
  ListReader& reader() { return *reader_; }
  ContextId context() const { return context_; }
  int request() const { return request_; }
  int response() const { return response_; }
  std::shared_ptr<int> responseHandle() const { return responseHandle_; }

  // The rows on show and the current one (-1 when the list is empty).
  const std::vector<ListRow>& rows() const { return model_->rows(); }
  int currentRow() const { return current_; }
  void setCurrentRow(int row);
  int currentOrder() const { return order_; }
  void setCurrentOrder(int order);
  int pageSize() const { return pageSize_; }

  // Buttons and connections. A window's own code may withhold a request (the
  // button is hidden and the request no longer taken by keys, popup or toolbar).
  bool isConnected(ListAction action) const;
  void withhold(ListAction action);
  QPushButton* button(ListAction action) const { return buttons_.value(action); }
  QTableView* listBox() const { return table_; }
  QLineEdit* locatorEntry(int order) const;
  QScrollBar* scrollBar() const { return scroll_; }

  // Reading.
  void refill();  // from the current tab's locator value
  void move(ListMove move);
  // Shows the page with this record at row `index` (the nearest one when it
  // is gone or filtered out).
  void showRecord(RecordPosition position, const Record& keyValues, int index);
  // A named filter of the view, on every sort order, then a refill from the start.
  void setFilter(const QString& name, const QString& text);
  // Accepts the current tab's locator entry as Enter does.
  void acceptLocator();
  // Drops the scroll box at a place from 0 (first record) to 100 (last).
  void jumpTo(int place);

  // The current row's records into the buffers (the primary one read again
  // from file, watched for change when `forChange`); false when there is none
  // or it is gone.
  bool loadCurrentRow(bool forChange = false);
  // Reads every record of the view in the current order and filters, from the
  // first, with each row's records in the buffers while `visit` runs; `visit`
  // answers false to stop. The rows on show are left as they were.
  void walkView(const std::function<bool(const ListRow& row)>& visit);
  // Makes current the next (or previous) record after the current one for
  // which `marked` holds, reading on through the view; false when none.
  bool findMarked(const std::function<bool(const WindowFields& row)>& marked, bool forward);
  // Opens the in-place editor of an editable column on the current row.
  void editCell(int column);
  // Writes a value typed into an editable column to the current row's record
  // at once; answers the level of the write.
  int writeCell(int column, const QString& typed);
  // Starts a registered procedure "on a new thread" (a new execution
  // context) from this window; false when no frame can start it.
  bool startProcedure(const QString& name);

  // Requests.
  QCoro::Task<void> ask(int request);
  void select();
  // The popup menu by mode; its entries act from the event loop once the menu
  // is done with, so one that closes the list never runs under the menu.
  std::unique_ptr<QMenu> popupMenu();
  // Shows the floating toolbox beside the list's window.
  void showToolbox();
  ListQuery* query() const { return query_.get(); }

  bool takesToolbarAction(ToolbarAction action) const override;
  void toolbarAction(ToolbarAction action) override;
  // As wide as the columns, some fifteen rows high.
  QSize sizeHint() const override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void build();
  void buildButtons(QWidget* row);
  void connectButtons();
  void updateButtons();
  void release();

  // Paging.
  ListRow capture(const ViewRow& row);
  std::vector<ListRow> capture(const ViewPage& page);
  void show(std::vector<ListRow> rows, int current, bool atStart, bool atEnd);
  void loadFirst();
  void loadLast();
  void loadFrom(const Record& values);
  // The tab whose key leads with `start.field`, positioned on its value.
  bool startAt(const ListStart& start);
  void fitPage();
  void placeScrollBox();
  void acceptLocatorOf(int order);
  bool loadCurrent(bool forChange);
  void afterForm(int request, const FormOutcome& outcome, int index, const std::optional<ListRow>& neighbour,
                 const std::optional<ListRow>& top);
  void moveForToolbar(ToolbarAction action);

  const ListDeclaration declaration_;  // a copy: the window never depends on its caller keeping it
  RelationManagers& relations_;
  ContextId context_;
  std::unique_ptr<ListBehaviour> behaviour_;
  std::unique_ptr<WindowFields> fields_;
  std::unique_ptr<ListReader> reader_;
  std::unique_ptr<ListQuery> query_;
  std::vector<RelationManager*> opened_;
  std::unique_ptr<ListColumns> columns_;
  ListModel* model_ = nullptr;
  QTableView* table_ = nullptr;
  QScrollBar* scroll_ = nullptr;
  QTabWidget* sheet_ = nullptr;
  std::vector<QLineEdit*> locators_;
  std::vector<QString> appliedLocator_;  // the text each filter locator applied last
  QHash<ListAction, QPushButton*> buttons_;
  QHash<ListAction, bool> connected_;
  QPointer<QWidget> toolbox_;
  int request_ = kNoRequest;
  int response_ = kRequestCancelled;
  std::shared_ptr<int> responseHandle_ = std::make_shared<int>(kRequestCancelled);
  std::optional<Record> selected_;
  int order_ = 0;
  int current_ = -1;
  int pageSize_ = kFirstPage;
  bool atStart_ = true;
  bool atEnd_ = true;
  bool opened_ok_ = false;
  bool released_ = false;
  bool calling_ = false;  // a form called by the list is open
};

// Makes the list of a declaration (its own class when it names one) and opens
// it; nullptr when it could not open.
std::unique_ptr<ListWindow> makeList(const ListDeclaration& declaration, RelationManagers& relations,
                                     const std::optional<ListStart>& start = std::nullopt);

}  // namespace bv
