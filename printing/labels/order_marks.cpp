#include "printing/labels/order_marks.h"

#include "printing/labels/label_sheet.h"
#include "storage/relations/relation_manager.h"

namespace bv {

QString OrderMarks::changed(const QString& mark, Change change) {
  switch (change) {
    case Change::Mark:
      return labels::kMarked;
    case Change::Unmark:
      return {};
    case Change::Flip:
      return isMarked(mark) ? QString() : labels::kMarked;
  }
  return {};
}

bool OrderMarks::isMarked(const QString& mark) { return mark == labels::kMarked; }

int OrderMarks::apply(RecordPosition position, Change change) {
  FileManager& file = orders_.me();
  file.watch();
  if (const int level = file.reget(position); level != kLevelBenign) return level;
  const QString mark = file.buffer().text("PRO1:MARCA");
  const QString after = changed(mark, change);
  if (after == mark) return kLevelBenign;
  file.buffer().setText("PRO1:MARCA", after);
  return orders_.update(true);
}

int OrderMarks::apply(const std::vector<RecordPosition>& positions, Change change) {
  for (const RecordPosition position : positions)
    if (const int level = apply(position, change); level != kLevelBenign) return level;
  return kLevelBenign;
}

std::vector<RecordPosition> OrderMarks::marked() {
  FileManager& file = orders_.me();
  std::vector<RecordPosition> out;
  Record& order = file.buffer();
  order.clear();
  order.setText("PRO1:MARCA", labels::kMarked);
  if (file.setPosition(file.keyDef(u"PRO1:KEYMAR")) != kLevelBenign) return out;
  while (file.tryNext() == kLevelBenign && isMarked(order.text("PRO1:MARCA"))) out.push_back(file.position());
  return out;
}

bool OrderMarks::anyMarked() { return !marked().empty(); }

}  // namespace bv
