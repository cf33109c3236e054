#include <QFontInfo>
#include <QFontDatabase>
#include <gtest/gtest.h>

#include "runtime/report/page_selection.h"
#include "runtime/report/page_setup.h"
#include "runtime/report/report_font.h"
#include "runtime/report/units.h"

using namespace bv;

TEST(ReportUnits, ThousandthsOfAnInchBecomePixelsRoundedHalfAwayFromZero) {
  EXPECT_EQ(unitsToPixels(138, 300), 41);    // 41.4
  EXPECT_EQ(unitsToPixels(250, 96), 24);     // 24.0
  EXPECT_EQ(unitsToPixels(5, 100), 1);       // 0.5 rounds up
  EXPECT_EQ(unitsToPixels(-5, 100), -1);     // and away from zero below it
  EXPECT_EQ(unitsToPixels(11000, 1200), 13200);
  // Neighbouring boxes still touch after conversion, whatever the rounding.
  const QRect a = unitsToPixels(QRect(250, 0, 1333, 138), 96, 96);
  const QRect b = unitsToPixels(QRect(1583, 0, 1333, 138), 96, 96);
  EXPECT_EQ(a.x() + a.width(), b.x());
  EXPECT_EQ(tenthsMmToUnits(2100), 8268);
  EXPECT_EQ(unitsToTenthsMm(8500), 2159);
}

TEST(PageSetup, PaperCodesGiveTheirSizesAndLandscapeTurnsThePage) {
  PageSetup s;
  EXPECT_EQ(s.paperCode(), PageSetup::kLetter);
  EXPECT_EQ(s.paperSize(), QSize(8500, 11000));
  EXPECT_EQ(s.paperWidthTenthsMm(), 2159);
  EXPECT_EQ(s.paperHeightTenthsMm(), 2794);

  EXPECT_TRUE(s.setPaperCode(PageSetup::kA4));
  EXPECT_EQ(s.paperSize(), QSize(8268, 11693));
  EXPECT_EQ(s.paperWidthTenthsMm(), 2100);
  EXPECT_TRUE(s.setPaperCode(5));  // Legal
  EXPECT_EQ(s.paperSize(), QSize(8500, 14000));
  EXPECT_FALSE(s.setPaperCode(9999));
  EXPECT_EQ(s.paperCode(), 5);

  s.setLandscape(true);
  EXPECT_EQ(s.pageSize(), QSize(14000, 8500));
  EXPECT_EQ(s.paperSize(), QSize(8500, 14000));
  const QPageLayout layout = s.pageLayout();
  EXPECT_EQ(layout.orientation(), QPageLayout::Landscape);
  EXPECT_EQ(layout.pageSize().windowsId(), 5);
  EXPECT_EQ(layout.margins(), QMarginsF(0, 0, 0, 0));
}

TEST(PageSetup, APaperGivenBySizeFindsItsCodeOrIsCustom) {
  PageSetup s;
  s.setPaperSize(11000, 8500);  // sides in either order
  EXPECT_EQ(s.paperSize(), QSize(8500, 11000));
  EXPECT_EQ(s.paperCode(), PageSetup::kLetter);
  s.setPaperSize(4000, 6000);
  EXPECT_EQ(s.paperCode(), PageSetup::kCustomPaper);
  const QSizeF inches = s.pageLayout().pageSize().size(QPageSize::Inch);
  EXPECT_NEAR(inches.width(), 4.0, 0.01);
  EXPECT_NEAR(inches.height(), 6.0, 0.01);
}

TEST(ReportFont, NamedFamiliesMatchAnInstalledFaceOfTheSameKind) {
  EXPECT_EQ(styleHintFor(QStringLiteral("Courier New")), QFont::TypeWriter);
  EXPECT_EQ(styleHintFor(QStringLiteral("Times New Roman")), QFont::Serif);
  EXPECT_EQ(styleHintFor(QStringLiteral("MS Sans Serif")), QFont::SansSerif);
  EXPECT_EQ(styleHintFor(QStringLiteral("Arial")), QFont::SansSerif);

  const QFont courier = ReportFont{QStringLiteral("Courier New"), 9}.toQFont();
  EXPECT_EQ(courier.pointSize(), 9);
  EXPECT_TRUE(QFontInfo(courier).fixedPitch()) << QFontInfo(courier).family().toStdString();
  const QFont bold = ReportFont{QStringLiteral("Arial"), 12, ReportFont::kBold}.toQFont();
  EXPECT_EQ(bold.weight(), QFont::Bold);
  EXPECT_EQ(bold.pointSize(), 12);
  // A family the system does not name is left to Qt's matching.
  const QFont other = ReportFont{QStringLiteral("Verdana"), 8}.toQFont();
  EXPECT_EQ(other.family(), QStringLiteral("Verdana"));
}

TEST(ReportFont, NamedFamiliesAreDrawnInTheirLiberationFamilyWhereItIsInstalled) {
  EXPECT_EQ(metricFamilyFor(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(metricFamilyFor(QStringLiteral("MS Sans Serif")), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(metricFamilyFor(QStringLiteral("courier new")), QStringLiteral("Liberation Mono"));
  EXPECT_EQ(metricFamilyFor(QStringLiteral("Times New Roman")), QStringLiteral("Liberation Serif"));
  EXPECT_EQ(metricFamilyFor(QStringLiteral("Verdana")), QString());

  const QStringList families = QFontDatabase::families();
  for (const char* named : {"Arial", "MS Sans Serif", "Courier New", "Times New Roman"}) {
    const QString metric = metricFamilyFor(QString::fromLatin1(named));
    if (!families.contains(metric)) {
      ADD_FAILURE() << metric.toStdString() << " is not installed (package fonts-liberation)";
      continue;
    }
    const ReportFont report{QString::fromLatin1(named), 11, ReportFont::kBold};
    const QFont font = report.toQFont();
    EXPECT_EQ(QFontInfo(font).family(), metric) << named;
    EXPECT_EQ(font.pointSize(), 11);
    EXPECT_EQ(font.weight(), QFont::Bold);
  }
}

TEST(ReportFont, ColoursAreReadBlueInTheHighByte) {
  EXPECT_EQ(colourFromBgr(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(colourFromBgr(0xFF0000), QColor(0, 0, 255));
  EXPECT_EQ(colourFromBgr(0xC0C0C0), QColor(192, 192, 192));
  EXPECT_FALSE(colourFromBgr(-1).isValid());
}

TEST(PageSelection, ReadsNumbersAndRangesWithinTheReport) {
  auto s = PageSelection::parse(QStringLiteral(" 4 - 6, 1,2 ,5"), 9);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->pages(), (QList<int>{1, 2, 4, 5, 6}));
  EXPECT_EQ(s->toString(), QStringLiteral("1-2,4-6"));
  EXPECT_TRUE(s->contains(5));
  EXPECT_FALSE(s->contains(3));
  EXPECT_EQ(PageSelection::all(3).toString(), QStringLiteral("1-3"));
  for (const char* bad : {"", "0", "10", "3-1", "1-2-3", "a", "1,,2", "-2"})
    EXPECT_FALSE(PageSelection::parse(QString::fromLatin1(bad), 9)) << bad;
}
