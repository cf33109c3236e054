#pragma once
// One key of a table: its components and attributes.
#include <QString>
#include <vector>

namespace bv {

struct KeyDef {
  int number = 0;          // from 1, in the order the table declares its keys
  QString name;            // "KEYCOD"
  QString label;           // "BAS:KEYCOD"
  QString description;     // "Por Codigo": what the duplicate-key message shows
  std::vector<int> components;  // field numbers, every one ascending
  bool unique = false;
  bool primary = false;
  bool autoNumber = false;  // its single component gets the highest value plus one
  // A record whose key components are all blank (zero for numbers) is left out of
  // the key: reading by the key never meets it and uniqueness does not count it.
  bool excludesBlank = false;
  // Text components compare upper-cased. No key of the dictionary sets it; the
  // view and filter code honour it all the same.
  bool ignoresCase = false;

  bool duplicates() const { return !unique; }
};

}  // namespace bv
