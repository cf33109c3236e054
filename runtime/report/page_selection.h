#pragma once
// Which pages of a report are printed: page numbers from 1, written as the user
// types them ("1-3,5", "2", "4 - 6, 8").
#include <QList>
#include <QString>
#include <algorithm>
#include <optional>

namespace bv {

class PageSelection {
 public:
  PageSelection() = default;
  static PageSelection all(int pageCount);
  static PageSelection range(int first, int last);
  // Numbers and ranges separated by commas, each within 1 to pageCount and every
  // range ascending; nullopt for anything else (an empty text too).
  static std::optional<PageSelection> parse(const QString& text, int pageCount);

  // Ascending, without repeats.
  const QList<int>& pages() const { return pages_; }
  bool isEmpty() const { return pages_.isEmpty(); }
  int size() const { return static_cast<int>(pages_.size()); }
  bool contains(int page) const { return std::binary_search(pages_.begin(), pages_.end(), page); }
  // The pages written back as ranges: "1-3,5".
  QString toString() const;

  friend bool operator==(const PageSelection&, const PageSelection&) = default;

 private:
  void add(int first, int last);
  QList<int> pages_;
};

}  // namespace bv
