#pragma once
// The filter expression a query makes: one part per item that holds a
// condition, in item order, joined by " AND ".
//
//   contains  INSTRING('text',expression,1,1) <> 0
//   begins    SUB(expression,1,length) = 'text'
//   compare   (expression operator value)       the value quoted for a text item
//   range     (expression >= low) AND (expression <= high)
//
// A contains or begins on a number or date item tests the value as its picture
// shows it, FORMAT(expression,@picture), without regard to letter case. An item
// compared without regard to case has its value upper-cased and its expression
// within UPPER( ) (unless it holds one already); a value for an UPPER( )
// expression is always upper-cased. A number or date value is read through the
// item's picture and written as the number it stores ("<>" with nothing typed
// means 0). An empty contains or begins narrows nothing and makes no part.
#include "shell/qbe/query_item.h"

#include <QString>

namespace bv {

class ErrorManager;

// A text literal: in single quotes, every quote inside doubled.
QString quoteQueryText(const QString& text);

struct QueryFilter {
  QString text;         // the expression; empty when no item holds a condition
  int failedItem = -1;  // the item whose value cannot be evaluated
  QString failedValue;  // what was typed for it

  bool ok() const { return failedItem < 0; }
};

// The part of one item (empty when it holds no condition).
QueryFilter itemFilter(const QueryItem& item);
QueryFilter queryFilter(const QueryItems& items);

// Message 41 for the item that failed: the item's title as %Field, the value
// typed as %Message.
void reportQueryFailure(ErrorManager& errors, const QueryItems& items, const QueryFilter& failure);

}  // namespace bv
