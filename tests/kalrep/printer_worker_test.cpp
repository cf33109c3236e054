// The printer worker: the controls it makes in the caller's report and where
// it puts them (portrait and landscape, with and without the page header, the
// title and its extra lines, character rules), how it fills the detail cells,
// and the pages the report then prints.
#include <gtest/gtest.h>

#include "kalrep/export_codes.h"
#include "kalrep/printer_geometry.h"
#include "kalrep_test_support.h"
#include "runtime/report/report.h"

namespace bv::test {
namespace {

// A caller as the formula sheet is one: a header band 1 and a detail band 2,
// three columns, colours black on silver for headings and red on white for rows.
class PrinterSheet : public KExportManager {
 public:
  Report report;
  QString code, description;
  Decimal weight;
  QStringList titles;
  QString justification = QStringLiteral("C");
  QString orientation = QStringLiteral("V");
  QString title = QStringLiteral("Listado");
  kal::Byte date = 1, time = 1, page = 1, toText = 0;

  void SETUP() override {
    TOTEXT = toText;
    MYHEADER = 1;
    MYDETAIL = 2;
    MYREPORT = &report;
    KALCOLHTEXTO = 0x000000;
    KALCOLHFONDO = 0xC0C0C0;
    KExportManager::SETUP();
    // The layout's rules without a screen: A4, the largest usable width.
    SETFACE(1, justification, date, time, page, 1, orientation, title, 9, &titles, 0);
  }
  void SETCOLOR() override {
    KALCOLDTEXTO = 0x0000FF;
    KALCOLDFONDO = 0xFFFFFF;
    KExportManager::SETCOLOR();
  }
  bool start(const QString& ini, kal::Byte type = kal::kPrinter) {
    report.addBand(1, BandKind::Header);
    report.addBand(2, BandKind::Detail);
    if (!INIT(QString(), QStringLiteral("TEST:Impresora"), ini, type, 1, 1, 0)) return false;
    ADDFIELD(code, QStringLiteral("@s6"), QStringLiteral("L"), QStringLiteral("Codigo"), 60);
    ADDFIELD(description, QStringLiteral("@s20"), QStringLiteral("C"),
             QStringLiteral("Descripcion"), 100);
    ADDFIELD(weight, QStringLiteral("@n8.4"), QStringLiteral("R"), QStringLiteral("Peso"), 44);
    return RUN() && OPEN();
  }
  QRect rect(int id) const {
    const ReportControl* c = report.control(id);
    return c ? c->rect() : QRect();
  }
  QString text(int id) const {
    const ReportControl* c = report.control(id);
    return c ? c->displayText(1) : QStringLiteral("<none>");
  }
};

class PrinterWorker : public ::testing::Test {
 protected:
  void SetUp() override { Clock::fix(Date::fromYmd(2026, 3, 9), Time::fromHms(14, 5, 0)); }
  void TearDown() override { Clock::clear(); }
  QString ini() const { return dir.filePath(QStringLiteral("bravent.INI")); }
  QTemporaryDir dir;
};

TEST_F(PrinterWorker, PortraitCentredWithThePageHeader) {
  PrinterSheet s;
  ASSERT_TRUE(s.start(ini()));
  KExReportManager& r = *s.R;
  EXPECT_EQ(s.EXPORTTYPE(), kal::kPrinter);
  EXPECT_EQ(r.MYCONTROL_FECHA, 3003);  // past the report's last control (band 2)
  EXPECT_EQ(r.MYCONTROL_TITULO, 3008);
  EXPECT_EQ(r.MYCONTROL_HEADERLIST, 3072);
  EXPECT_EQ(r.MYCONTROL_CONTENIDOLIST, 3122);

  // A4 upright: the body under the header band, 7500 wide; 146 mm centred in it.
  EXPECT_FALSE(s.report.pageSetup().landscape());
  EXPECT_EQ(s.report.body(), QRect(250, 1023, 7500, 11688 - 1023 - 1023));
  EXPECT_EQ(r.frame().blockWidth, 5736);
  EXPECT_EQ(r.frame().blockOffset, 882);
  EXPECT_EQ(s.report.band(1)->rect(), QRect(250, 465, 7500, 558));
  EXPECT_EQ(s.report.band(2)->rect(), QRect(0, 0, 7500, 138));
  EXPECT_EQ(s.report.band(1)->font()->family, QStringLiteral("Courier New"));

  const ReportControl* header = s.report.control(r.MYCONTROL_FECHA);
  ASSERT_TRUE(header);
  EXPECT_EQ(header->kind(), ControlKind::PageNumber);
  EXPECT_EQ(header->rect(), QRect(61, 55, 3000, 138));
  EXPECT_EQ(header->displayText(12), QStringLiteral("Fecha:09/03/2026 Hora:14:05:00 Pagina:  12"));
  EXPECT_EQ(header->font()->pointSize, 9);

  EXPECT_EQ(s.rect(r.MYCONTROL_TITULO), QRect(882, 186, 5736, 138));
  EXPECT_EQ(s.report.control(r.MYCONTROL_TITULO)->alignment(), TextAlignment::Center);
  EXPECT_EQ(s.text(r.MYCONTROL_TITULO), QStringLiteral("Listado"));

  // Cells: 23.8 thousandths of an inch per list unit, texts 2 units in.
  EXPECT_EQ(s.rect(r.headingBox(0)), QRect(882, 403, 1428, 138));
  EXPECT_EQ(s.rect(r.headingText(0)), QRect(930, 403, 1380, 138));
  EXPECT_EQ(s.rect(r.headingBox(1)), QRect(2310, 403, 2380, 138));
  EXPECT_EQ(s.rect(r.headingText(1)), QRect(2358, 403, 2332, 138));
  EXPECT_EQ(s.rect(r.headingBox(2)), QRect(4690, 403, 1047, 138));
  EXPECT_EQ(s.rect(r.headingText(2)), QRect(4738, 403, 1000, 138));
  EXPECT_EQ(s.report.control(r.headingBox(0))->fill(), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_FALSE(s.report.control(r.headingText(0))->fill().isValid());  // transparent
  EXPECT_EQ(s.text(r.headingText(0)), QStringLiteral("Codigo"));
  EXPECT_EQ(s.text(r.headingText(1)), QStringLiteral("      Descripcion"));  // in 24
  EXPECT_EQ(s.text(r.headingText(2)), QStringLiteral("      Peso"));  // right in 10
  EXPECT_EQ(s.rect(r.detailBox(1)), QRect(2310, 0, 2380, 138));
  EXPECT_EQ(s.rect(r.detailText(2)), QRect(4738, 0, 1000, 138));
  EXPECT_EQ(s.report.control(r.detailText(0))->bandId(), 2);
  EXPECT_TRUE(s.report.control(r.detailText(0))->visible());
  // No character rules without TOTEXT.
  EXPECT_EQ(s.report.control(r.headingRule(1)), nullptr);
  EXPECT_EQ(s.report.control(r.detailRule(1)), nullptr);
}

TEST_F(PrinterWorker, LandscapeRightWithExtraTitlesAndCharacterRules) {
  PrinterSheet s;
  s.orientation = QStringLiteral("H");
  s.justification = QStringLiteral("D");
  s.date = s.time = s.page = 0;
  s.toText = 1;
  s.title = QString(60, u'T');  // 264 mm: wider than the 234 mm block
  s.titles = {QStringLiteral("Linea 1"), QString(40, u'L')};
  ASSERT_TRUE(s.start(ini()));
  KExReportManager& r = *s.R;

  // The sides swap; 750 comes off the width, 500 off the bottom, and every
  // extra line and the rule row move the body down.
  EXPECT_TRUE(s.report.pageSetup().landscape());
  EXPECT_EQ(s.report.body(), QRect(250, 1443, 11688 - 750, 8250 - 1443 - 500 - 140 - 280));
  EXPECT_EQ(r.frame().blockWidth, 9193);
  EXPECT_EQ(r.frame().blockOffset, 10938 - 9193);

  EXPECT_EQ(s.report.control(r.MYCONTROL_FECHA), nullptr);  // no page header
  // The long title is placed against the right edge of the whole usable width;
  // the extra lines start where it starts.
  EXPECT_EQ(s.rect(r.MYCONTROL_TITULO), QRect(10938 - 10371, 186, 10371, 138));
  EXPECT_EQ(s.report.control(r.MYCONTROL_TITULO)->alignment(), TextAlignment::Left);
  EXPECT_EQ(s.rect(r.extraTitle(1)), QRect(567, 324, 2043, 138));
  EXPECT_EQ(s.rect(r.extraTitle(2)), QRect(567, 462, printer::extraTitleWidth(QString(32, u'L')),
                                           138));
  EXPECT_EQ(s.text(r.extraTitle(2)), QString(40, u'L'));

  const int offset = 10938 - 9193;
  EXPECT_EQ(s.rect(r.headingBox(0)), QRect(offset, 683, 1428, 138));
  EXPECT_EQ(s.report.control(r.headingRule(0)), nullptr);  // from the second column on
  EXPECT_EQ(s.rect(r.headingRule(1)), QRect(offset + 1428, 683, 1, 138));
  EXPECT_EQ(s.text(r.headingRule(1)), QString(QChar(0x2502)));
  EXPECT_EQ(s.rect(r.headingUnderline(0)), QRect(offset, 823, 1428, 1));
  EXPECT_EQ(s.text(r.headingUnderline(0)), QString(16, u'-'));  // round(54 / 4) + 2
  EXPECT_EQ(s.text(r.headingUnderline(2)), QString(12, u'-'));  // round(38 / 4) + 2
  EXPECT_EQ(s.rect(r.detailRule(2)), QRect(offset + 1428 + 2380, 0, 1, 138));
  EXPECT_FALSE(s.report.control(r.detailBox(0))->lineColour().isValid());  // rules are text
}

TEST_F(PrinterWorker, OnlyTheDateGivesAPlainHeaderAndAShortTitleStaysOnTheBlock) {
  PrinterSheet s;
  s.time = s.page = 0;
  s.justification = QStringLiteral("I");
  ASSERT_TRUE(s.start(ini()));
  const ReportControl* header = s.report.control(s.R->MYCONTROL_FECHA);
  ASSERT_TRUE(header);
  EXPECT_EQ(header->kind(), ControlKind::String);
  EXPECT_EQ(header->displayText(3), QStringLiteral("Fecha:09/03/2026"));
  EXPECT_EQ(s.rect(s.R->MYCONTROL_TITULO), QRect(0, 186, 5736, 138));
  EXPECT_EQ(s.report.control(s.R->MYCONTROL_TITULO)->alignment(), TextAlignment::Left);
}

TEST_F(PrinterWorker, ALayoutWithoutPaperTakesTheReportsPaper) {
  PrinterSheet s;
  s.report.pageSetup().setPaperCode(5);  // Legal
  s.report.addBand(1, BandKind::Header);
  s.report.addBand(2, BandKind::Detail);
  ASSERT_TRUE(s.INIT(QString(), QStringLiteral("TEST:Impresora"), ini(), kal::kPrinter, 1, 1, 0));
  s.ADDFIELD(s.code, QStringLiteral("@s6"), QStringLiteral("L"), QStringLiteral("Codigo"), 60);
  ASSERT_TRUE(s.RUN());
  s.R->layout().KAL_WIDTH = 0;
  s.R->layout().KAL_HEIGHT = 0;
  ASSERT_TRUE(s.OPEN());
  EXPECT_EQ(s.report.body(), QRect(250, 1023, 8500 - 750, 14000 - 1023 - 1023));
  EXPECT_EQ(s.report.pageSetup().paperCode(), 5);
}

TEST_F(PrinterWorker, RecordsHeadingsAndForcedRowsFillTheDetailCells) {
  PrinterSheet s;
  ASSERT_TRUE(s.start(ini()));
  KExReportManager& r = *s.R;
  s.code = QStringLiteral("  A1");
  s.description = QStringLiteral("Rojo");
  s.weight = Decimal(3) / Decimal(2);
  ASSERT_TRUE(s.TAKERECORD());
  EXPECT_EQ(s.text(r.detailText(0)), QStringLiteral("A1"));
  EXPECT_EQ(s.text(r.detailText(1)), QStringLiteral("          Rojo"));  // centred in 24
  EXPECT_EQ(s.text(r.detailText(2)), QStringLiteral("    1.5000"));
  EXPECT_EQ(s.report.control(r.detailBox(0))->fill(), QColor(Qt::white));
  EXPECT_EQ(s.report.control(r.detailText(0))->font()->colour, QColor(Qt::red));
  ASSERT_TRUE(s.report.print(2));

  ASSERT_TRUE(s.FORCEHEADER());
  EXPECT_EQ(s.text(r.detailText(2)), QStringLiteral("      Peso"));
  EXPECT_EQ(s.report.control(r.detailBox(0))->fill(), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(s.report.control(r.detailText(0))->font()->colour, QColor(Qt::black));
  ASSERT_TRUE(s.report.print(2));

  ASSERT_TRUE(s.FORCERECORD(QStringLiteral("X|Total"), 0xFF0000, 0x00FFFF));
  EXPECT_EQ(s.text(r.detailText(0)), QStringLiteral("X"));
  EXPECT_EQ(s.text(r.detailText(1)), QStringLiteral("         Total"));
  EXPECT_EQ(s.text(r.detailText(2)), QString());
  EXPECT_EQ(s.report.control(r.detailBox(2))->fill(), QColor(Qt::yellow));
  EXPECT_EQ(s.report.control(r.detailText(2))->font()->colour, QColor(Qt::blue));
  EXPECT_TRUE(s.FORCELINE(QStringLiteral("nada"), QStringLiteral("L"), 0, 0));
  ASSERT_TRUE(s.report.print(2));
  s.report.endReport();

  // The header band prints on the page with its headings, then the three rows.
  ASSERT_EQ(s.report.pageCount(), 1);
  const QStringList texts = s.report.pages()[0].texts();
  EXPECT_TRUE(texts.contains(QStringLiteral("Listado")));
  EXPECT_TRUE(texts.contains(QStringLiteral("Fecha:09/03/2026 Hora:14:05:00 Pagina:   1")));
  EXPECT_EQ(texts.count(QStringLiteral("      Peso")), 2);  // the heading and the forced one
  EXPECT_TRUE(texts.contains(QStringLiteral("    1.5000")));
  EXPECT_TRUE(texts.contains(QStringLiteral("X")));
}

TEST_F(PrinterWorker, KillRemovesEveryControlItMade) {
  PrinterSheet s;
  s.toText = 1;
  s.titles = {QStringLiteral("Extra")};
  ASSERT_TRUE(s.start(ini()));
  EXPECT_GT(s.report.lastControlId(), 3000);
  s.R->KILL();
  EXPECT_EQ(s.report.lastControlId(), 2);
  EXPECT_TRUE(s.report.band(1)->controls().empty());
  EXPECT_TRUE(s.report.band(2)->controls().empty());
  EXPECT_TRUE(s.TAKERECORD());  // nothing left to fill, no failure
}

TEST_F(PrinterWorker, TheThreePrinterCodesLayTheSameControls) {
  const auto layoutOf = [this](kal::Byte code) {
    PrinterSheet s;
    EXPECT_TRUE(s.start(ini(), code));
    EXPECT_EQ(s.TEXTEXPT, code);
    EXPECT_EQ(s.EXPORTTYPE(), kal::kPrinter);
    EXPECT_FALSE(s.EXITNOW());
    QList<QRect> rects;
    for (int id = 1; id <= s.report.lastControlId(); ++id)
      if (s.report.control(id)) rects.append(s.report.control(id)->rect());
    return rects;
  };
  const QList<QRect> printer = layoutOf(kal::kPrinter);
  EXPECT_EQ(printer.size(), 1 + 1 + 3 * 4);
  EXPECT_EQ(layoutOf(kal::kLaser), printer);
  EXPECT_EQ(layoutOf(kal::kPlainText), printer);
}

TEST_F(PrinterWorker, ManyColumnsNeverShareAControlNumber) {
  Report report;
  report.addBand(1, BandKind::Header);
  report.addBand(2, BandKind::Detail);
  KExReportManager r;
  r.INIT(QStringLiteral("TEST:Muchas"), ini());
  std::vector<Decimal> values(25);
  for (int i = 0; i < 25; ++i)
    r.ADDFIELD(values[std::size_t(i)], QStringLiteral("@n4"), QStringLiteral("R"),
               QStringLiteral("b%1").arg(i + 1), 12);
  r.MYREPORT = &report;
  r.MYHEADER = 1;
  r.MYDETAIL = 2;
  r.layout().KAL_TIPO_HOJA_AUX = 9;
  r.layout().KAL_ANCHO = 146;
  ASSERT_TRUE(r.OPEN());
  EXPECT_EQ(r.MYCONTROL_CONTENIDOLIST, r.MYCONTROL_HEADERLIST + 125);
  for (int i = 0; i < 25; ++i) {
    ASSERT_TRUE(report.control(r.headingText(i))) << i;
    EXPECT_EQ(report.control(r.headingText(i))->bandId(), 1);
    ASSERT_TRUE(report.control(r.detailText(i))) << i;
    EXPECT_EQ(report.control(r.detailText(i))->bandId(), 2);
  }
  values[24] = Decimal(7);
  r.TAKERECORD();
  EXPECT_EQ(report.control(r.detailText(24))->displayText(1), QStringLiteral("   7"));
  EXPECT_EQ(report.control(r.headingText(24))->displayText(1), QStringLiteral("b25"));
}

TEST(PrinterGeometry, TheResolutionFactorIsAWholeNumber) {
  // Draft, low, medium and high quality, the printer's own, and dots per inch.
  for (int r : {-1, -2, -3, -4, 0, 72, 150, 200, 300, 600})
    EXPECT_EQ(printer::resolutionFactor(r), 1) << r;
  EXPECT_EQ(printer::cellUnits(44, 1), 1047);
  EXPECT_EQ(printer::cellUnits(44, 2), 2094);
}

TEST(PrinterGeometry, CellTextsInTheColumnsCharacters) {
  EXPECT_EQ(printer::cellText(QStringLiteral("  ab  "), u'L', 25), QStringLiteral("ab"));
  EXPECT_EQ(printer::cellText(QStringLiteral("ab  "), u'R', 25), QStringLiteral("ab").rightJustified(5));
  EXPECT_EQ(printer::cellText(QStringLiteral(" ab "), u'C', 25), QStringLiteral(" ab"));
  // A text longer than the cell is kept whole.
  EXPECT_EQ(printer::cellText(QStringLiteral("abcdefgh"), u'R', 25), QStringLiteral("abcdefgh"));
  EXPECT_EQ(printer::pageHeaderPicture(false, false, true, Date(), Time()),
            QStringLiteral("@p Pagina: <<<p"));
}

}  // namespace
}  // namespace bv::test
