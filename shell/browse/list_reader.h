#pragma once
// How a list reads its view: the view manager of its primary table with one
// sort order per tab, the list's joins, range and filters, and the names its
// filters may use. Each record read goes into the record buffers of the
// current execution context, where the columns and computed values read it.
#include "shell/browse/list_declaration.h"
#include "storage/views/view_manager.h"

#include <QString>
#include <memory>

namespace bv {

class FileManager;
class FileManagers;

class ListReader {
 public:
  static inline const QString kLocatorFilter = ViewManager::kLocatorFilter;
  static inline const QString kStandardFilter = ViewManager::kStandardFilter;
  static inline const QString kQueryFilter = ViewManager::kQueryFilter;

  // `fields` is what the list's computed values read; it outlives the reader.
  ListReader(FileManagers& files, const ListDeclaration& declaration, const WindowFields& fields);
  ~ListReader();
  ListReader(const ListReader&) = delete;
  ListReader& operator=(const ListReader&) = delete;

  // Opens the view (the file managers must be open in the context); 0 or 5.
  int open();
  void close();

  ViewManager& view() { return *view_; }
  FileManager& primary() const { return view_->primary(); }
  // The key of the current sort order.
  const KeyDef& key() const;
  // The sort order of a tab (from 0).
  void setOrder(int index);

  // A named filter on every sort order, or only on the current one; an empty
  // text removes it. The view applies it at once (a filter it cannot use is
  // reported with message 40 and the list reads unfiltered).
  void setFilter(const QString& name, const QString& text, bool everyOrder);
  QString filter(const QString& name) const { return view_->filterText(name); }
  // The expression the view applies now.
  QString expression() { return view_->assembledFilter(); }

  ViewPage first(int rows) { return view_->firstPage(rows); }
  ViewPage last(int rows) { return view_->lastPage(rows); }
  ViewPage after(const ViewRow& row, int rows) { return view_->nextPage(row, rows); }
  ViewPage before(const ViewRow& row, int rows) { return view_->previousPage(row, rows); }
  // From the first record whose key's first component is at or past its value in `values`.
  ViewPage at(const Record& values, int rows);
  // Forgets the records read ahead, so the next page shows what is stored now
  // (after a form wrote).
  void flush() { view_->view().toStart(); }
  // Puts a row's records in the buffers.
  void load(const ViewRow& row) { view_->load(row); }

 private:
  const ListDeclaration& declaration_;
  std::unique_ptr<ViewManager> view_;
  int order_ = 0;
};

// A row of the view that stands for a stored record not read through the view
// (the record a form wrote): the view finds its place by position and key.
ViewRow standInRow(RecordPosition position, const Record& record);

}  // namespace bv
