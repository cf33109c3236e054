#include "printing/labels/marking_behaviour.h"

#include "printing/labels/label_sheet.h"
#include "printing/labels/marking_list.h"
#include "printing/labels/order_marks.h"
#include "runtime/message_presenter.h"
#include "shell/browse/list_window.h"
#include "storage/relations/relation_managers.h"

using namespace Qt::StringLiterals;

namespace bv::labels {
namespace {

OrderMarks marksOf(ListWindow& list) { return OrderMarks(list.relations()[u"Produc01"_s]); }

// The current order, read again with its joins, in the row it stands in.
void showAgain(ListWindow& list, RecordPosition position) {
  const int index = std::max(list.currentRow(), 0);
  const Record record = list.primary().buffer();
  list.reader().flush();
  list.showRecord(position, record, index);
}

void changeCurrent(ListWindow& list, OrderMarks::Change change) {
  if (list.currentRow() < 0) return;
  const RecordPosition position = list.rows()[static_cast<std::size_t>(list.currentRow())].position();
  marksOf(list).apply(position, change);
  showAgain(list, position);
}

void changeAll(ListWindow& list, OrderMarks::Change change) {
  if (list.rows().empty()) return;
  std::vector<RecordPosition> positions;
  list.walkView([&](const ListRow& row) {
    positions.push_back(row.position());
    return true;
  });
  const RecordPosition current = list.rows()[static_cast<std::size_t>(std::max(list.currentRow(), 0))].position();
  marksOf(list).apply(positions, change);
  list.primary().reget(current);
  showAgain(list, current);
}

void moveToMarked(ListWindow& list, bool forward) {
  if (list.rows().empty()) return;
  const bool found =
      list.findMarked([](const WindowFields& row) { return OrderMarks::isMarked(row.text(u"PRO1:MARCA"_s)); }, forward);
  if (!found) showMessage(u"No hay más registros marcados!"_s, u"Impresion de Etiquetas"_s, MessageIcon::Exclamation);
}

}  // namespace

const std::vector<MarkEntry>& markEntries() {
  static const std::vector<MarkEntry> entries{
      {u"&Marca"_s, u"?Marca"_s, u"~TAGONE.ICO"_s, MarkAction::Mark, true},
      {u"&Desmarca"_s, u"?Desmarca"_s, u"~UNTAGONE.ICO"_s, MarkAction::Unmark, false},
      {u"&Cambia"_s, u"?Cambia"_s, u"~FLIPONE.ICO"_s, MarkAction::Flip, false},
      {u"Marca todo"_s, u"?MarcaTodo"_s, u"~TAGALL.ICO"_s, MarkAction::MarkAll, true},
      {u"Desm todo"_s, u"?DesmTodo"_s, u"~UNTAGALL.ICO"_s, MarkAction::UnmarkAll, false},
      {u"Cambia todo"_s, u"?CambiaTodo"_s, u"~FLIPALL.ICO"_s, MarkAction::FlipAll, false},
      {u"&Previo"_s, u"?Previo"_s, u"~PREVTAG.ICO"_s, MarkAction::Previous, true},
      {u"P&roximo"_s, u"?Proximo"_s, u"~NEXTTAG.ICO"_s, MarkAction::Next, false},
  };
  return entries;
}

void actOnMarks(ListWindow& list, MarkAction action) {
  const ContextGuard guard(list.context());
  switch (action) {
    case MarkAction::Mark:
      return changeCurrent(list, OrderMarks::Change::Mark);
    case MarkAction::Unmark:
      return changeCurrent(list, OrderMarks::Change::Unmark);
    case MarkAction::Flip:
      return changeCurrent(list, OrderMarks::Change::Flip);
    case MarkAction::MarkAll:
      return changeAll(list, OrderMarks::Change::Mark);
    case MarkAction::UnmarkAll:
      return changeAll(list, OrderMarks::Change::Unmark);
    case MarkAction::FlipAll:
      return changeAll(list, OrderMarks::Change::Flip);
    case MarkAction::Previous:
      return moveToMarked(list, false);
    case MarkAction::Next:
      return moveToMarked(list, true);
  }
}

void MarkingBehaviour::opening(ListWindow& list) {
  OrderMarks marks = marksOf(list);
  if (!marks.anyMarked()) return;
  const int answer = showMessage(u"¿Limpia la seleccion pre existente?"_s, u"Impresion de Etiquetas"_s,
                                 MessageIcon::Question, kButtonYes | kButtonNo, kButtonNo);
  if (answer == kButtonYes) marks.clearAll();
}

void MarkingBehaviour::cellClicked(ListWindow& list, int, int column) {
  if (column == kMarkColumn) changeCurrent(list, OrderMarks::Change::Flip);
}

std::vector<PopupEntry> MarkingBehaviour::popupEntries(ListWindow&) {
  std::vector<PopupEntry> out;
  out.push_back({u"&Editar cantidad"_s, [](ListWindow& list) { list.editCell(kCountColumn); }, true});
  for (const MarkEntry& e : markEntries()) {
    const MarkAction action = e.action;
    out.push_back({e.text, [action](ListWindow& list) { actOnMarks(list, action); }, e.startsGroup});
  }
  return out;
}

}  // namespace bv::labels
