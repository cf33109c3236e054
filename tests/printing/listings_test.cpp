// The two listings: which records the bounds take, the order the sort window
// chooses, and the printed pages read back in reading order.
#include "printing/listings/formula_listing.h"
#include "printing/listings/product_listing.h"
#include "tests/printing/printing_fixture.h"

using namespace bv;
using namespace bv::test;
using namespace Qt::StringLiterals;

namespace {

class ListingsTest : public PrintingTest {
 protected:
  // Runs the listing and collects what its detail printed, through the
  // report's own controls.
  template <class Listing>
  QStringList run(Listing& listing, int control) {
    QStringList out;
    if (!listing.start()) return {u"<no start>"_s};
    ReportProcess& p = listing.process();
    p.open();
    while (!p.ended() && p.timerEvent() == 0) {
    }
    for (const ReportPage& page : listing.report().pages())
      for (const PageItem& item : page.items)
        if (item.controlId == control) out << item.text.trimmed();
    listing.finish();
    return out;
  }
  static ListingBounds bounds(const QString& from, const QString& to) {
    ListingBounds b;
    b.fromProduct = from;
    b.toProduct = to;
    return b;
  }
};

TEST_F(ListingsTest, FormulaBoundsTakeCodesBetweenThemAndAnEmptyUpperBoundListsNothing) {
  product("A1", u"Uno"_s);
  product("ABCDEFGHIJ", u"Diez"_s);
  product("ABCDEFGHIJKLM", u"Trece"_s);
  formula(1, "ABCDEFGHIJKLM");
  formula(2, "A1");
  formula(3, "ABCDEFGHIJ");
  formula(4, "B1");
  {
    FormulaListing listing(files, context, bounds(u"A"_s, u"ABCDEFGHIJ"_s));
    // The 13-character code sorts after the 10-character bound it starts with.
    EXPECT_EQ(run(listing, 11), (QStringList{u"A1"_s, u"ABCDEFGHIJ"_s}));
  }
  {
    FormulaListing listing(files, context, bounds(u"A"_s, QString()));
    EXPECT_TRUE(run(listing, 11).isEmpty());
    EXPECT_EQ(listing.process().response(), ReportProcess::Response::Cancelled);
  }
  // "No hay Registros" was shown for the empty one.
  ASSERT_FALSE(messages.shown().empty());
  EXPECT_EQ(messages.shown().back().title(), u"No hay Registros"_s);
}

class ProductListingTest : public ListingsTest {
 protected:
  void catalogue() {
    codeRecord("Linea", "LIN", 1, u"Hogar"_s);
    codeRecord("Carta", "CAR", 2, u"Pasteles"_s);
    codeRecord("Marca", "MAR", 3, u"Propia"_s);
    product("P1", u"Cero"_s, 0, 0, 0);
    product("P2", u"Zeta"_s, 1, 5, 3);
    product("P3", u"Alfa"_s, 1, 2, 3);
    product("P4", u"Beta"_s, 1, 2, 0);
    product("P5", u"Gama"_s, 2, 1, 3);
  }
  QStringList listedCodes(const ListingBounds& b, int choice) {
    ProductListing listing(files, context, b, listing::sortField(choice));
    return run(listing, 20);
  }
};

TEST_F(ProductListingTest, ZeroBoundsListOnlyProductsOfLineChartAndBrandZero) {
  catalogue();
  EXPECT_EQ(listedCodes(bounds(u"P"_s, u"PZ"_s), 1), QStringList{u"P1"_s});
}

TEST_F(ProductListingTest, LineChartAndBrandBoundsNarrowAndTheChosenFieldOrders) {
  catalogue();
  ListingBounds b = bounds(u"P"_s, u"PZ"_s);
  b.fromLine = 1;
  b.toLine = 2;
  b.toChart = 9;
  b.fromBrand = 1;
  b.toBrand = 3;
  // P1 (line 0) and P4 (brand 0) stay out.
  EXPECT_EQ(listedCodes(b, 1), (QStringList{u"P2"_s, u"P3"_s, u"P5"_s}));
  EXPECT_EQ(listedCodes(b, 2), (QStringList{u"P3"_s, u"P5"_s, u"P2"_s}));  // Alfa, Gama, Zeta
  EXPECT_EQ(listedCodes(b, 4), (QStringList{u"P5"_s, u"P3"_s, u"P2"_s}));  // charts 1, 2, 5
  // Equal lines keep the code's order.
  EXPECT_EQ(listedCodes(b, 3), (QStringList{u"P2"_s, u"P3"_s, u"P5"_s}));
  // The code bounds still hold under another order.
  b.toProduct = u"P3"_s;
  EXPECT_EQ(listedCodes(b, 4), (QStringList{u"P3"_s, u"P2"_s}));
}

TEST(ListingSort, ChoicesFieldsAndOrders) {
  EXPECT_EQ(listing::sortChoices().size(), 5);
  EXPECT_EQ(listing::sortChoices().front(), u"Por Codigo de producto"_s);
  EXPECT_EQ(listing::sortField(4), u"TER:Carta"_s);
  EXPECT_EQ(listing::sortField(0), QString());
  EXPECT_EQ(listing::sortField(6), QString());
  EXPECT_EQ(listing::sortChoiceOf(u"Por Carta de Colores"_s), 4);
  EXPECT_EQ(listing::sortChoiceOf(u" 5 "_s), 5);
  EXPECT_EQ(listing::sortChoiceOf(u"9"_s), 0);
  EXPECT_EQ(listing::sortChoiceOf(u"Por Color"_s), 0);
  EXPECT_EQ(listing::orderFor(u"TER:Carta   "_s), u"*TER:Carta,TER:Codigo"_s);
  EXPECT_EQ(listing::orderFor(u"TER:Codigo"_s), QString());
}

}  // namespace
