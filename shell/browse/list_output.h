#pragma once
// A list's rows without a screen, as its window shows them: the same view
// with its joins, ranges, filters and computed values, in the order of one
// of its tabs, with a text typed into that tab's locator and a query applied
// as query by example applies it; each value through its column's picture.
#include "shell/browse/list_declaration.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace bv {

class FileManager;
class FileManagers;
class ListColumns;
class ListReader;

struct ListOutputRequest {
  int tab = 1;       // from 1
  QString locator;   // typed into the tab's locator
  QString query;     // a filter expression over the list's names
};

class ListOutput {
 public:
  ListOutput(const ListDeclaration& declaration, FileManagers& files);
  ~ListOutput();

  // The headers of the columns the window shows (a column without width or
  // header is not shown).
  QStringList headers() const;
  // Opens the list's tables and its view, reads the rows and hands each
  // one's shown texts to `row`, trimmed. Answers 0, or the level of a file
  // that could not be opened (its message already shown). A tab that does
  // not exist or a query that cannot be compiled answers 1 with `problem`.
  int run(const ListOutputRequest& request, const std::function<void(const QStringList&)>& row,
          QString* problem = nullptr);

 private:
  std::vector<int> shownColumns() const;
  const ListDeclaration& declaration_;
  FileManagers& files_;
  std::unique_ptr<ListBehaviour> behaviour_;
  std::unique_ptr<WindowFields> fields_;
  std::unique_ptr<ListReader> reader_;
  std::unique_ptr<ListColumns> columns_;
};

}  // namespace bv
