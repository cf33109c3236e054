#include <gtest/gtest.h>

#include "tests/report/sample_report.h"

using namespace bv;
using namespace bv::test;

namespace {

int detailsOn(const ReportPage& page) { return static_cast<int>(itemsOf(page, kLine).size()); }

}  // namespace

TEST(ReportLayout, DetailsFlowOntoNewPagesWithTheHeaderAndPageNumberOnEach) {
  Report r;
  buildSampleReport(r);
  printLines(r, 25);

  ASSERT_EQ(r.pageCount(), 3);
  EXPECT_EQ(detailsOn(r.pages()[0]), 9);  // nine one-inch details fill the body exactly
  EXPECT_EQ(detailsOn(r.pages()[1]), 9);
  EXPECT_EQ(detailsOn(r.pages()[2]), 7);
  for (int p = 0; p < 3; ++p) {
    const ReportPage& page = r.pages()[p];
    EXPECT_EQ(page.number, p + 1);
    const auto title = itemsOf(page, kTitle);
    ASSERT_EQ(title.size(), 1);
    EXPECT_EQ(title[0].text, QStringLiteral("Listado de prueba"));
    EXPECT_EQ(title[0].rect, QRect(500, 500, 4000, 200));
    EXPECT_EQ(title[0].font.family, QStringLiteral("Courier New"));  // the band's font
    EXPECT_EQ(itemsOf(page, kPageNo)[0].text, QStringLiteral("Página:   %1").arg(p + 1));
  }
  // The tenth detail starts the second page at the top of the body.
  const PageItem tenth = itemsOf(r.pages()[1], kLine)[0];
  EXPECT_EQ(tenth.text, QStringLiteral("Renglón 10"));
  EXPECT_EQ(tenth.rect, QRect(500, 1500, 7500, 200));
  EXPECT_EQ(itemsOf(r.pages()[0], kLine)[8].rect.y(), 9500);
}

TEST(ReportLayout, PrintedPagesKeepWhatTheControlsShowedWhenTheirBandWasPrinted) {
  Report r;
  buildSampleReport(r);
  r.open();
  r.control(kLine)->setText(QStringLiteral("primero"));
  r.print(kDetail);
  r.control(kLine)->setText(QStringLiteral("segundo"));
  r.control(kTitle)->setText(QStringLiteral("otro título"));
  r.endReport();
  ASSERT_EQ(r.pageCount(), 1);
  EXPECT_EQ(itemsOf(r.pages()[0], kLine)[0].text, QStringLiteral("primero"));
  EXPECT_EQ(itemsOf(r.pages()[0], kTitle)[0].text, QStringLiteral("Listado de prueba"));
}

TEST(ReportLayout, FootersEndEveryPageAndEndBandsCloseTheReport) {
  Report r;
  buildSampleReport(r);
  ReportBand* footer = r.addBand(3, BandKind::Footer, QRect(0, 0, 7500, 1000));
  footer->setInBody(true);  // takes the last inch of the body: eight details a page
  r.addControl(30, ControlKind::PageNumber, 3)->setRect(0, 0, 1000, 200);
  r.addBand(4, BandKind::End, QRect(0, 500, 7500, 1000));
  r.addControl(40, ControlKind::String, 4)->setRect(0, 0, 3000, 200).setText(QStringLiteral("Totales:"));

  printLines(r, 16);  // two full pages; the end band (1500 high with its offset) needs a third
  ASSERT_EQ(r.pageCount(), 3);
  EXPECT_EQ(detailsOn(r.pages()[0]), 8);
  EXPECT_EQ(detailsOn(r.pages()[1]), 8);
  EXPECT_EQ(detailsOn(r.pages()[2]), 0);
  for (int p = 0; p < 3; ++p) {
    const auto foot = itemsOf(r.pages()[p], 30);
    ASSERT_EQ(foot.size(), 1) << "page " << p + 1;
    EXPECT_EQ(foot[0].text, QString::number(p + 1));
    EXPECT_EQ(foot[0].rect.y(), 9500);
  }
  const auto totals = itemsOf(r.pages()[2], 40);
  ASSERT_EQ(totals.size(), 1);
  EXPECT_EQ(totals[0].rect.y(), 1500 + 500);
  EXPECT_TRUE(itemsOf(r.pages()[0], 40).isEmpty());

  // With room left, the end band follows the last detail on its page.
  printLines(r, 3);
  ASSERT_EQ(r.pageCount(), 1);
  EXPECT_EQ(itemsOf(r.pages()[0], 40)[0].rect.y(), 1500 + 3 * 1000 + 500);
}

TEST(ReportLayout, HeaderInTheBodyPushesTheDetailsDown) {
  Report r;
  r.setBody(QRect(500, 500, 7500, 3000));
  r.addBand(1, BandKind::Header, QRect(100, 0, 7500, 500))->setInBody(true);
  r.addControl(10, ControlKind::String, 1)->setRect(0, 0, 1000, 100).setText(QStringLiteral("Código"));
  r.addBand(2, BandKind::Detail, QRect(0, 0, 7500, 1000));
  r.addControl(20, ControlKind::String, 2)->setRect(50, 10, 1000, 100);
  r.open();
  for (int i = 0; i < 3; ++i) r.print(2);
  r.endReport();
  ASSERT_EQ(r.pageCount(), 2);  // 500 of header leave room for two details
  EXPECT_EQ(itemsOf(r.pages()[0], 10)[0].rect.topLeft(), QPoint(600, 500));
  EXPECT_EQ(itemsOf(r.pages()[0], 20)[0].rect.topLeft(), QPoint(550, 1010));
  EXPECT_EQ(itemsOf(r.pages()[1], 10).size(), 1);
  EXPECT_EQ(itemsOf(r.pages()[1], 20)[0].rect.topLeft(), QPoint(550, 1010));
}

TEST(ReportLayout, ABandTallerThanTheBodyStandsAloneOnEachPage) {
  Report r;
  r.setBody(QRect(0, 0, 8500, 1000));
  r.addBand(2, BandKind::Detail, QRect(0, 0, 8500, 5000));
  r.addControl(20, ControlKind::Box, 2)->setRect(0, 0, 100, 100);
  r.open();
  r.print(2);
  r.print(2);
  r.endReport();
  EXPECT_EQ(r.pageCount(), 2);
}

TEST(ReportLayout, BreakPageStartsANewPageOnlyWhenSomethingFollows) {
  Report r;
  buildSampleReport(r);
  r.open();
  r.print(kDetail);
  r.breakPage();
  r.breakPage();
  r.print(kDetail);
  r.breakPage();
  r.endReport();
  EXPECT_EQ(r.pageCount(), 2);

  r.open();  // opening again starts afresh
  r.endReport();
  EXPECT_EQ(r.pageCount(), 0);
}

TEST(ReportLayout, BandsPrintedOnEveryPageCannotBePrintedAsDetails) {
  Report r;
  buildSampleReport(r);
  EXPECT_FALSE(r.print(kHeader));
  EXPECT_FALSE(r.print(999));
  EXPECT_EQ(r.pageCount(), 0);
}

TEST(ReportControls, ControlsMadeAtRunTimeAreHiddenUntilShownAndShareTheNumbering) {
  Report r;
  buildSampleReport(r);
  EXPECT_EQ(r.lastControlId(), kLine);
  const int base = r.lastControlId() + 3001;
  ReportControl* made = r.create(base, ControlKind::String, kDetail);
  ASSERT_NE(made, nullptr);
  made->setRect(3000, 0, 1000, 138).setText(QStringLiteral("nuevo"));
  EXPECT_FALSE(made->visible());
  EXPECT_EQ(r.lastControlId(), base);

  EXPECT_EQ(r.create(base, ControlKind::Box, kDetail), nullptr);     // number taken
  EXPECT_EQ(r.create(kHeader, ControlKind::Box, kDetail), nullptr);  // by a band
  EXPECT_EQ(r.create(base + 1, ControlKind::Box, 77), nullptr);      // no such band
  EXPECT_EQ(r.addBand(kTitle, BandKind::Detail), nullptr);

  r.open();
  r.print(kDetail);
  EXPECT_TRUE(r.show(base));
  r.print(kDetail);
  EXPECT_TRUE(r.destroy(base));
  EXPECT_FALSE(r.destroy(base));
  r.print(kDetail);
  r.endReport();
  const ReportPage& page = r.pages()[0];
  const auto shown = itemsOf(page, base);
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(shown[0].rect, QRect(3500, 2500, 1000, 138));
  EXPECT_EQ(r.control(base), nullptr);
  EXPECT_EQ(r.lastControlId(), kLine);
}

TEST(ReportControls, DestroyingABandTakesItsControls) {
  Report r;
  buildSampleReport(r);
  EXPECT_TRUE(r.destroy(kHeader));
  EXPECT_EQ(r.control(kTitle), nullptr);
  EXPECT_EQ(r.control(kPageNo), nullptr);
  EXPECT_NE(r.control(kLine), nullptr);
  printLines(r, 1);
  EXPECT_EQ(r.pages()[0].items.size(), 1);
}

TEST(ReportControls, ValuesAreShownThroughTheirPictures) {
  Report r;
  r.addBand(2, BandKind::Detail, QRect(0, 0, 7500, 200));
  ReportControl* amount = r.addControl(20, ControlKind::String, 2);
  ASSERT_TRUE(amount->setPicture(QStringLiteral("n-14.2")));
  amount->setValue(*Decimal::parse(std::string_view("-1234.5")));
  ReportControl* day = r.addControl(21, ControlKind::String, 2);
  ASSERT_TRUE(day->setPicture(QStringLiteral("@d6")));
  day->setValue(Date::fromYmd(2026, 3, 9));
  ReportControl* plain = r.addControl(22, ControlKind::String, 2);
  plain->setValue(*Decimal::parse(std::string_view("2.50")));
  // A pattern without digit slots shows its literal text (a page header's date line).
  ReportControl* stamp = r.addControl(23, ControlKind::String, 2);
  ASSERT_TRUE(stamp->setPicture(QStringLiteral("@pFecha:09/03/2026 Hora:10:15:00p")));
  EXPECT_FALSE(plain->setPicture(QStringLiteral("zz")));

  r.open();
  r.print(2);
  r.endReport();
  const QStringList texts = r.pages()[0].texts();
  EXPECT_EQ(texts, (QStringList{QStringLiteral("     -1,234.50"), QStringLiteral("09/03/2026"),
                                QStringLiteral("2.50"), QStringLiteral("Fecha:09/03/2026 Hora:10:15:00")}));
}

TEST(ReportControls, ControlsAreDrawnInTheOrderTheyWereMade) {
  Report r;
  r.addBand(2, BandKind::Detail, QRect(0, 0, 7500, 200));
  r.create(50, ControlKind::String, 2)->show();
  r.create(40, ControlKind::Box, 2)->show().setFill(Qt::gray);
  r.create(45, ControlKind::String, 2)->show();
  r.open();
  r.print(2);
  QList<int> order;
  for (const PageItem& item : r.pages()[0].items) order << item.controlId;
  EXPECT_EQ(order, (QList<int>{50, 40, 45}));
}

TEST(ReportControls, AnImageWithoutASizeTakesItsOwn) {
  Report r;
  r.addBand(2, BandKind::Detail, QRect(0, 0, 7500, 2000));
  QImage picture(192, 96, QImage::Format_RGB32);
  picture.setDotsPerMeterX(3780);  // 96 dpi
  picture.setDotsPerMeterY(3780);
  ReportControl* image = r.addControl(20, ControlKind::Image, 2);
  image->setPosition(100, 100);
  image->setImage(picture);
  EXPECT_EQ(image->naturalSize(), QSize(2000, 1000));
  r.addControl(21, ControlKind::Image, 2);  // no picture: nothing printed
  r.open();
  r.print(2);
  ASSERT_EQ(r.pages()[0].items.size(), 1);
  EXPECT_EQ(r.pages()[0].items[0].rect, QRect(600, 600, 2000, 1000));
}
