// A report process reading a real view: every record in the view's order
// within its range, the percentage from the table's count, message 22 for an
// empty view, and the key values a step object ranges over.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "runtime/scripted_presenter.h"
#include "shell/report_process/report_process.h"
#include "shell/report_process/view_reader.h"
#include "storage/errors/standard_messages.h"
#include "storage/managers/file_managers.h"

using namespace bv;

namespace {

struct Tables {
  Tables() : layer(FileLayer::createSqlite({dir.path(), dir.path()})), files(*layer, errors) {
    errors.loadTable(standardMessageBlock());
    FileManager& ter = files["Terminado"];
    ter.open();
    ter.use();
    for (int i = 0; i < 50; ++i) {
      Record r(ter.table());
      r.setText("TER:CODIGO", QStringLiteral("T%1").arg(i, 2, 10, QChar(u'0')));
      r.setText("TER:DESCRIPCION", QStringLiteral("PRODUCTO %1").arg(49 - i, 2, 10, QChar(u'0')));
      r.setDecimal("TER:LINEA", Decimal(i % 5));
      ter.file().add(r);
    }
  }
  ~Tables() { files["Terminado"].close(); }
  QTemporaryDir dir;
  ErrorManager errors;
  std::shared_ptr<FileLayer> layer;
  FileManagers files;
};

TEST(ViewReader, ProcessReadsTheRangedViewInOrder) {
  ScriptedPresenter presenter;
  PresenterScope scope(presenter);
  Tables t;
  FileManager& ter = t.files["Terminado"];
  ViewManager view(ter);
  view.addSortOrder(ter.keyDef(u"TER:KEYLIN"));
  view.setRangeSingle(*ter.table().field(u"TER:LINEA"), [] { return FieldValue(Decimal(2)); });
  ASSERT_EQ(view.open(), 0);
  bool closed = false;
  ViewReader reader(view, [&] { closed = true; });
  // The count is the table's, the sizes the file's and the record's.
  EXPECT_EQ(reader.recordCount(), 50);
  EXPECT_GT(reader.fileSize(), 0);
  EXPECT_EQ(reader.recordSize(), ter.table().recordLength());
  QStringList codes;
  int lastPercent = -1;
  ReportProcess process(reader, nullptr, [&] { codes << ter.buffer().text("TER:CODIGO"); });
  process.onProgress([&](int percent, const QString&) { lastPercent = percent; });
  EXPECT_EQ(process.runWithoutScreen(), ReportProcess::Response::Completed);
  EXPECT_EQ(codes.join(u' ').toStdString(), "T02 T07 T12 T17 T22 T27 T32 T37 T42 T47");
  // Ten records of the table's fifty make 20%.
  EXPECT_EQ(lastPercent, 20);
  EXPECT_TRUE(closed);
  EXPECT_TRUE(presenter.shown().empty());
}

TEST(ViewReader, KeyValuesForAStepAndAnEmptyView) {
  ScriptedPresenter presenter;
  PresenterScope scope(presenter);
  Tables t;
  FileManager& ter = t.files["Terminado"];
  ViewManager view(ter);
  view.addSortOrder(ter.keyDef(u"TER:KEYDES"));
  ASSERT_EQ(view.open(), 0);
  ViewReader reader(view);
  EXPECT_EQ(reader.firstKeyValue().toStdString(), "PRODUCTO 00");
  EXPECT_EQ(reader.lastKeyValue().toStdString(), "PRODUCTO 49");
  reader.reset();
  ASSERT_EQ(reader.next(), 0);
  ASSERT_EQ(reader.next(), 0);
  EXPECT_EQ(reader.currentKeyValue().toStdString(), "PRODUCTO 01");

  view.setFilter("TER:LINEA = 9");
  ReportProcess process(reader, nullptr, [] {});
  EXPECT_EQ(process.runWithoutScreen(), ReportProcess::Response::Cancelled);
  ASSERT_EQ(presenter.shown().size(), 1u);
  EXPECT_EQ(presenter.shown()[0].title().toStdString(), "No hay Registros");
}

}  // namespace
