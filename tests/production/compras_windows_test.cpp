// The purchase windows: a voucher saved moves the stock of its products by
// what its lines received, changed and removed, all in the save's one
// transaction; a stock that cannot be held or a product gone leaves the
// voucher, its lines and the stock as they were; a voucher is never deleted.
#include "production/compras/compras_windows.h"
#include "shell/lines/line_list.h"
#include "tests/shell/browse/list_fixture.h"

#include <QTableView>

using namespace bv;
using namespace bv::test;
using namespace Qt::StringLiterals;

namespace {

Decimal dec(const char* text) { return Decimal::parse(QString::fromLatin1(text)).value(); }

class ComprasTest : public ListTest {
 protected:
  ComprasTest() {
    basic("X", "BASE BLANCA", 10);
    basic("Y", "ENTONADOR ROJO", 0);
  }

  RecordPosition basic(const char* code, const char* description, int stock) {
    return add("Basicos", [&](Record& r) {
      r.setText("BAS:CODIGO", code);
      r.setText("BAS:DESCRIPCION", description);
      r.setText("BAS:MONEDA", "P");
      r.setDecimal("BAS:STOCK_RELATIVO", Decimal(stock));
    });
  }
  Decimal stock(const char* code) {
    auto handle = layer->file(*Dictionary::instance().table(u"Basicos"_s));
    handle->open(kShareDenyNone);
    handle->setPosition(handle->table().key(u"BAS:KEYCOD"_s), FileEdge::Start);
    Record r(handle->table());
    while (handle->next(r) == kFileOk)
      if (r.text("BAS:CODIGO").trimmed() == QString::fromLatin1(code)) return r.decimal("BAS:STOCK_RELATIVO");
    ADD_FAILURE() << code;
    return Decimal(-1);
  }
  // The stored lines, "CODE:QUANTITY" in the order of the products' key.
  QString storedLines() {
    auto handle = layer->file(*Dictionary::instance().table(u"Compra2"_s));
    handle->open(kShareDenyNone);
    handle->setPosition(handle->table().key(u"COM2:KEYCO"_s), FileEdge::Start);
    QStringList out;
    Record r(handle->table());
    while (handle->next(r) == kFileOk)
      out << r.text("COM2:CODIGO_BASICO").trimmed() + u':' + r.decimal("COM2:CANTIDAD").toQString(1);
    return out.join(u' ');
  }
  FormWindow* form() { return open<FormWindow>(); }
  LineList* lines() { return form() ? form()->lineList() : nullptr; }
  void typeInCell(const QString& text) {
    ASSERT_NE(lines()->editor(), nullptr);
    lines()->editor()->setText(text);
    press(lines()->editor(), Qt::Key_Return);
  }
  void addLine(const QString& code, const QString& quantity) {
    click(lines(), "?LineInsert");
    typeInCell(code);
    lines()->editLine(2);
    typeInCell(quantity);
  }
  void selectLine(int row) { lines()->table()->setCurrentIndex(lines()->table()->model()->index(row, 0)); }
  // A new voucher FA 1 with its lines typed in, not yet saved.
  ListWindow* newVoucher(std::initializer_list<std::pair<const char*, const char*>> typed) {
    ListWindow* list = openList(compras::browseCompras());
    EXPECT_NE(list, nullptr);
    if (!list) return nullptr;
    click(list, "?Insert");
    EXPECT_NE(lines(), nullptr);
    if (!lines()) return nullptr;
    type(child<QLineEdit>(form(), u"?COM1:TIPO_DE_COMPROBANTE"_s), u"FA"_s);
    type(child<QLineEdit>(form(), u"?COM1:COMPROBANTE"_s), u"1"_s);
    for (const auto& [code, quantity] : typed) addLine(QString::fromLatin1(code), QString::fromLatin1(quantity));
    return list;
  }
};

TEST_F(ComprasTest, SavingReceivesTheLinesChangingMovesByTheDifferenceAndRemovingTakesTheQuantityBack) {
  ListWindow* list = newVoucher({{"X", "5"}, {"Y", "2.5"}});
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(form()->windowTitle(), u"Agregando..."_s);
  click(form(), u"?OK"_s);
  EXPECT_EQ(form(), nullptr);
  EXPECT_EQ(count("Compra1"), 1);
  EXPECT_EQ(storedLines(), u"X:5.0 Y:2.5"_s);
  EXPECT_EQ(stock("X"), Decimal(15));
  EXPECT_EQ(stock("Y"), Decimal(3));  // 2.5 into whole units, half away from zero
  ASSERT_EQ(list->rows().size(), 1u);
  EXPECT_EQ(column(*list, 0), QStringList{u"FA"_s});

  // X's 5 becomes 2: three units leave the stock.
  click(list, "?Change");
  ASSERT_NE(lines(), nullptr);
  selectLine(0);
  lines()->editLine(2);
  typeInCell(u"2"_s);
  click(form(), u"?OK"_s);
  EXPECT_EQ(form(), nullptr);
  EXPECT_EQ(storedLines(), u"X:2.0 Y:2.5"_s);
  EXPECT_EQ(stock("X"), Decimal(12));
  EXPECT_EQ(stock("Y"), Decimal(3));

  // X's line removed: its 2 go back too.
  click(list, "?Change");
  ASSERT_NE(lines(), nullptr);
  selectLine(0);
  click(lines(), "?LineDelete");
  click(form(), u"?OK"_s);
  EXPECT_EQ(form(), nullptr);
  EXPECT_EQ(storedLines(), u"Y:2.5"_s);
  EXPECT_EQ(stock("X"), Decimal(10));
  EXPECT_EQ(stock("Y"), Decimal(3));
  EXPECT_TRUE(script.shown().empty());
}

TEST_F(ComprasTest, AStockTheFieldCannotHoldStopsTheSaveOfHeaderLinesAndStockAlike) {
  basic("Z", "SECANTE", 99999);
  ASSERT_NE(newVoucher({{"X", "5"}, {"Z", "3"}}), nullptr);
  click(form(), u"?OK"_s);
  EXPECT_NE(form(), nullptr);  // the form stays open to be mended
  EXPECT_EQ(count("Compra1"), 0);
  EXPECT_EQ(count("Compra2"), 0);
  EXPECT_EQ(stock("X"), Decimal(10));  // moved before the failure, rolled back
  EXPECT_EQ(stock("Z"), Decimal(99999));
  ASSERT_FALSE(script.shown().empty());
  EXPECT_EQ(script.shown()[0].title(), u"Error de Rango"_s);
  EXPECT_TRUE(script.shown()[0].text().contains(u"BAS:Stock_Relativo"_s));
}

TEST_F(ComprasTest, ALineWhoseProductIsGoneIsRefusedBeforeAnythingIsWritten) {
  ASSERT_NE(newVoucher({{"X", "5"}}), nullptr);
  {
    ContextGuard guard(context);
    ChildLine gone{Record(files[u"Compra2"_s].table()), 0};
    gone.record.setText("COM2:CODIGO_BASICO", "ZZ");
    gone.record.setDecimal("COM2:CANTIDAD", Decimal(3));
    lines()->lines().push_back(gone);
    lines()->refresh();
  }
  click(form(), u"?OK"_s);
  EXPECT_NE(form(), nullptr);
  EXPECT_EQ(count("Compra1"), 0);
  EXPECT_EQ(count("Compra2"), 0);
  EXPECT_EQ(stock("X"), Decimal(10));
}

TEST_F(ComprasTest, AZeroQuantityIsRefusedInItsCell) {
  ASSERT_NE(newVoucher({}), nullptr);
  click(lines(), "?LineInsert");
  typeInCell(u"X"_s);
  lines()->editLine(2);
  typeInCell(u"0"_s);
  EXPECT_NE(lines()->editor(), nullptr);  // the editor stays on the cell
}

TEST_F(ComprasTest, AVoucherIsNeverDeletedAsAWhole) {
  ASSERT_NE(newVoucher({{"X", "5"}}), nullptr);
  click(form(), u"?OK"_s);
  ASSERT_EQ(form(), nullptr);
  ListWindow* list = open<ListWindow>();
  ASSERT_NE(list, nullptr);
  const std::size_t before = script.shown().size();
  click(list, "?Delete");
  ASSERT_EQ(script.shown().size(), before + 1);
  EXPECT_EQ(script.shown().back().title(), u"Pedido Inválido"_s);
  EXPECT_EQ(script.shown().back().text(), u"Esta Ficha no puede ser usada para Borrar un registro"_s);
  EXPECT_EQ(count("Compra1"), 1);
  EXPECT_EQ(storedLines(), u"X:5.0"_s);
  EXPECT_EQ(stock("X"), Decimal(15));
}

}  // namespace
