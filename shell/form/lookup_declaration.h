#pragma once
// A value that must exist in another table: a form's lookup entry, or a line
// list's code column. Accepting it reads that table by its code key; a value
// not found there opens the table's list to select a record.
#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace bv {

struct ListDeclaration;

struct FormLookup {
  QString key;    // the other table's key: "MAR:KEYCOD"
  QString field;  // the other table's field holding the entry's value: "MAR:CODIGO"
  std::function<const ListDeclaration&()> list;  // the list opened to select
  bool required = false;  // an empty (blank or zero) value is looked up too
  bool always = false;    // look up even when empty, required or not
  bool button = true;     // a button beside the entry opens the list directly
  // Further fields copied from the chosen record into the form's record: (other, mine).
  std::vector<std::pair<QString, QString>> copies;
};

}  // namespace bv
