#include "shell/browse/list_output.h"

#include "runtime/filter/filter_expression.h"
#include "shell/browse/list_columns.h"
#include "shell/browse/list_reader.h"
#include "shell/browse/locator.h"
#include "shell/field_access.h"
#include "storage/managers/file_managers.h"

namespace bv {
namespace {
constexpr int kBatch = 100;
}  // namespace

ListOutput::ListOutput(const ListDeclaration& declaration, FileManagers& files)
    : declaration_(declaration), files_(files) {
  behaviour_ = declaration.behaviour ? declaration.behaviour() : std::make_unique<ListBehaviour>();
  fields_ = std::make_unique<WindowFields>(files, &behaviour_->values());
  reader_ = std::make_unique<ListReader>(files, declaration_, *fields_);
  columns_ = std::make_unique<ListColumns>(declaration_, files, *fields_);
}

ListOutput::~ListOutput() = default;

std::vector<int> ListOutput::shownColumns() const {
  std::vector<int> shown;
  for (std::size_t i = 0; i < declaration_.columns.size(); ++i) {
    const ListColumn& c = declaration_.columns[i];
    if (c.width > 0 && !c.header.isEmpty()) shown.push_back(static_cast<int>(i));
  }
  return shown;
}

QStringList ListOutput::headers() const {
  QStringList out;
  for (int i : shownColumns()) out << declaration_.columns[static_cast<std::size_t>(i)].header;
  return out;
}

int ListOutput::run(const ListOutputRequest& request, const std::function<void(const QStringList&)>& row,
                    QString* problem) {
  const auto refuse = [&](const QString& why) {
    if (problem) *problem = why;
    return 1;
  };
  const int orders = static_cast<int>(declaration_.orders.size());
  if (request.tab < 1 || (orders > 0 && request.tab > orders) || (orders == 0 && request.tab != 1))
    return refuse(QStringLiteral("la lista %1 no tiene la pestaña %2").arg(declaration_.procedure).arg(request.tab));

  // The tables the window's relation managers would open, for this run.
  std::vector<FileManager*> opened;
  const auto closeAll = [&] {
    reader_->close();
    for (auto it = opened.rbegin(); it != opened.rend(); ++it) (*it)->close();
  };
  QStringList tables{declaration_.view.table};
  for (const ListJoin& j : declaration_.view.joins) tables << j.table;
  for (const QString& table : tables) {
    FileManager& file = files_[table];
    if (const int level = file.open()) {
      closeAll();
      return level;
    }
    opened.push_back(&file);
  }
  if (const int level = reader_->open()) {
    closeAll();
    return level;
  }
  reader_->setOrder(request.tab - 1);
  if (!request.query.trimmed().isEmpty()) {
    QString reason;
    if (!FilterExpression::compile(request.query, reader_->view().binding(), &reason)) {
      closeAll();
      return refuse(QStringLiteral("filtro no válido: %1").arg(reason));
    }
    reader_->setFilter(ListReader::kQueryFilter, request.query, declaration_.queryEveryOrder);
  }

  ViewPage page;
  if (orders > 0) {
    const ListLocator& locator = declaration_.orders[static_cast<std::size_t>(request.tab - 1)].locator;
    const auto bound = BoundField::resolve(files_, locator.field);
    switch (locator.kind) {
      case LocatorKind::Positioning: {
        Record values(reader_->primary().table());
        if (bound && bound->belongsTo(reader_->primary()) &&
            locatorValues(locator, bound->def(), request.locator, values))
          page = reader_->at(values, kBatch);
        else
          page = reader_->first(kBatch);
        break;
      }
      case LocatorKind::BeginsWith:
      case LocatorKind::Contains:
        reader_->setFilter(ListReader::kLocatorFilter,
                           locatorFilter(locator, bound ? &bound->def() : nullptr, request.locator), false);
        page = reader_->first(kBatch);
        break;
      case LocatorKind::None: page = reader_->first(kBatch); break;
    }
  } else {
    page = reader_->first(kBatch);
  }

  const std::vector<int> shown = shownColumns();
  while (!page.rows.empty()) {
    for (const ViewRow& viewRow : page.rows) {
      reader_->load(viewRow);
      const ListRow captured = columns_->capture(viewRow);
      QStringList texts;
      for (int i : shown) texts << captured.texts.value(i).trimmed();
      row(texts);
    }
    if (page.atEnd) break;
    page = reader_->after(page.rows.back(), kBatch);
  }
  closeAll();
  return 0;
}

}  // namespace bv
