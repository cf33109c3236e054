// The text and DBF writers, byte for byte, over the sample export: a heading
// row, two records (a quote and the delimiter inside a value, accented
// letters, a right-aligned number), a free line and a forced row, each with its
// colours. The expected bytes are written out from the formats' rules.
#include <gtest/gtest.h>

#include "kalrep/colour_codes.h"
#include "kalrep/export_codes.h"
#include "kalrep/writers/html_writer.h"
#include "kalrep/writers/rtf_writer.h"
#include "kalrep_test_support.h"
#include "runtime/date_time.h"

namespace bv::test {
namespace {

class GoldenWriters : public ::testing::Test {
 protected:
  void SetUp() override { Clock::fix(Date::fromYmd(2026, 3, 15)); }
  void TearDown() override { Clock::clear(); }

  QByteArray exportSample(kal::Byte type, const char* name) {
    SampleExport e;
    const QString file = dir.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(e.start(type, file, dir.filePath(QStringLiteral("bravent.INI"))));
    e.writeSample();
    return readBytes(file);
  }

  QTemporaryDir dir;
};

TEST_F(GoldenWriters, DelimitedTextQuotesTextsEscapesAndLeavesNumbersBare) {
  const QByteArray expected =
      "\"Codigo\";\"Descripci\xF3n\";\"Cantidad\"\r\n"
      "\"A1\";\"Azul \"\"Mar\"\"; \xD1"
      "and\xFA\";  1,234.50\r\n"
      "\"B22\";\"Rojo\";     -3.00\r\n"
      "\"X\";\"Y\";\r\n";
  EXPECT_EQ(exportSample(kal::kCsv, "out.csv"), expected);
}

TEST_F(GoldenWriters, DelimitedTextInTheOemCharacterSet) {
  SampleExport e;
  e.oem = 1;
  const QString file = dir.filePath(QStringLiteral("oem.csv"));
  ASSERT_TRUE(e.start(kal::kCsv, file, dir.filePath(QStringLiteral("bravent.INI"))));
  e.record(QStringLiteral("C1"), QString::fromUtf8("Ñandú ó"), "0");
  e.CLOSE();
  // Code page 850: Ñ A5, ú A3, ó A2; the headings are converted as well.
  EXPECT_EQ(readBytes(file), QByteArray("\"Codigo\";\"Descripci\xA2n\";\"Cantidad\"\r\n"
                                        "\"C1\";\"\xA5"
                                        "and\xA3 \xA2\";      0.00\r\n"));
}

TEST_F(GoldenWriters, Html) {
  const QByteArray head =
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\"><HTML><HEAD><TITLE>Reporte"
      "</TITLE><BODY>&nbsp;<CENTER><TABLE bgColor=\"";
  ASSERT_EQ(head.size(), 132);
  const QByteArray expected =
      head +
      "#FFFFFF\" border=1 cellPadding=5 width=1><TBODY>\r\n"
      "<TR BGCOLOR=\"#C0C0C0\">"
      "<TD nowrap><FONT color=\"#000000\">Codigo</FONT></TD>"
      "<TD nowrap><FONT color=\"#000000\">Descripci&oacute;n</FONT></TD>"
      "<TD nowrap><FONT color=\"#000000\">Cantidad</FONT></TD></TR>\r\n"
      "<TR BGCOLOR=\"#FFFFFF\">"
      "<TD nowrap><FONT color=\"#FF0000\">A1</FONT></TD>"
      "<TD nowrap><FONT color=\"#FF0000\">Azul \"Mar\";&Ntilde;and&uacute;</FONT></TD>"
      "<TD nowrap><DIV align=right><FONT color=\"#FF0000\">  1,234.50</FONT></DIV></TD></TR>\r\n"
      "<TR BGCOLOR=\"#FFFFFF\">"
      "<TD nowrap><FONT color=\"#FF0000\">B22</FONT></TD>"
      "<TD nowrap><FONT color=\"#FF0000\">Rojo</FONT></TD>"
      "<TD nowrap><DIV align=right><FONT color=\"#FF0000\">     -3.00</FONT></DIV></TD></TR>\r\n"
      "<TR BGCOLOR=\"#FFFF00\"><TD nowrap colspan=\"3\">"
      "<CENTER><FONT color=\"#0000FF\">Subtotal</FONT></CENTER></TD></TR>\r\n"
      "<TR BGCOLOR=\"#00FFFF\">"
      "<TD nowrap><FONT color=\"#008000\">X</FONT></TD>"
      "<TD nowrap><FONT color=\"#008000\">Y</FONT></TD>"
      "<TD nowrap><DIV align=right><FONT color=\"#008000\"></FONT></DIV></TD></TR>\r\n"
      "</TBODY></TABLE></CENTER></BODY></HTML>\r\n";
  EXPECT_EQ(exportSample(kal::kHtml, "out.htm"), expected);
}

// The RTF row definition: the row, then per cell its borders, background and
// right edge (list units times 30).
QByteArray rtfRow(int background, std::initializer_list<int> edges) {
  QByteArray out =
      "\\trowd \\trgaph70\\trleft-70\r\n"
      "\\trbrdrt\\brdrs\\brdrw10\r\n\\trbrdrl\\brdrs\\brdrw10\r\n\\trbrdrb\\brdrs\\brdrw10\r\n"
      "\\trbrdrr\\brdrs\\brdrw10\r\n\\trbrdrh\\brdrs\\brdrw10\r\n\\trbrdrv\\brdrs\\brdrw10\r\n";
  for (int edge : edges)
    out +=
        "\\clvertalt\r\n\\clbrdrt\\brdrs\\brdrw10\r\n\\clbrdrl\\brdrs\\brdrw10\r\n"
        "\\clbrdrb\\brdrs\\brdrw10\r\n\\clbrdrr\\brdrs\\brdrw10\r\n\\clcbpat" +
        QByteArray::number(background) + " \\cltxlrtb\\cellx" + QByteArray::number(edge) + "\r\n";
  return out;
}

const QByteArray kLeft = "\\pard \\plain\\nowidctlpar\\widctlpar\\intbl\\adjustright\r\n{\\cf";
const QByteArray kRight = "\\pard  \\qr\\nowidctlpar\\widctlpar\\intbl\\adjustright\r\n{\\cf";
const QByteArray kCentre = "\\pard \\qc\\nowidctlpar\\widctlpar\\intbl\\adjustright\r\n{\\cf";

TEST_F(GoldenWriters, Rtf) {
  const QByteArray head =
      "{\\rtf1\\ansi\\ansicpg1252\\uc1 \\deff0\\deflang1033\\deflangfe3082{\\fonttbl{\\f0\\froman"
      "\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}}\r\n";
  ASSERT_EQ(head.size(), 148);
  const QByteArray colours =
      "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red0\\green255\\blue255;"
      "\\red0\\green255\\blue0;\\red255\\green0\\blue255;\\red255\\green0\\blue0;"
      "\\red255\\green255\\blue0;\\red255\\green255\\blue255;\\red0\\green0\\blue128;"
      "\\red0\\green128\\blue128;\\red0\\green128\\blue0;\\red128\\green0\\blue128;"
      "\\red128\\green0\\blue0;\\red128\\green128\\blue0;\\red128\\green128\\blue128;"
      "\\red192\\green192\\blue192;}\r\n";
  const QByteArray end = "{\\row }\r\n";
  // Widths 40, 100 and 50: right edges 1200, 4200, 5700. Silver is 16, black 1,
  // white 8, red 6, yellow 7, blue 2, cyan 3, dark green 11.
  // clang-format off
  const QByteArray expected =
      head + colours +
      // the heading row
      rtfRow(16, {1200, 4200, 5700}) +
      kLeft + "1 Codigo\\cell }\r\n" +
      kLeft + "1 Descripci\\'f3n\\cell }\r\n" +
      kLeft + "1 Cantidad\\cell }\r\n" + end +
      // two records
      rtfRow(8, {1200, 4200, 5700}) +
      kLeft + "6 A1\\cell }\r\n" +
      kLeft + "6 Azul \\ldblquote Mar\\rdblquote ;\\'d1and\\'fa\\cell }\r\n" +
      kRight + "6   1,234.50\\cell }\r\n" + end +
      rtfRow(8, {1200, 4200, 5700}) +
      kLeft + "6 B22\\cell }\r\n" +
      kLeft + "6 Rojo\\cell }\r\n" +
      kRight + "6      -3.00\\cell }\r\n" + end +
      // the free line across all columns
      rtfRow(7, {5700}) + kCentre + "2 Subtotal\\cell }\r\n" + end +
      // the forced row
      rtfRow(3, {1200, 4200, 5700}) +
      kLeft + "11 X\\cell }\r\n" +
      kLeft + "11 Y\\cell }\r\n" +
      kRight + "11 \\cell }\r\n" + end +
      "}\r\n";
  // clang-format on
  EXPECT_EQ(exportSample(kal::kRtf, "out.rtf"), expected);
}

// A 32-byte descriptor of a character field.
QByteArray dbfField(const QByteArray& name, int length) {
  QByteArray d(32, '\0');
  for (int i = 0; i < name.size(); ++i) d[i] = name[i];
  d[11] = 'C';
  d[16] = char(length % 256);
  d[17] = char(length / 256);
  return d;
}

TEST_F(GoldenWriters, DbfWithHeaderRecordsDateCountAndOneEndOfFileByte) {
  QByteArray header(32, '\0');
  header[0] = 3;
  header[1] = char(126);  // 2026
  header[2] = 3;
  header[3] = 15;
  header[4] = 3;          // three records
  header[8] = char(129);  // 32 + 3 x 32 + 1
  header[10] = 41;        // 1 + 6 + 24 + 10
  const auto pad = [](const QByteArray& value, int length) {
    return value + QByteArray(length - value.size(), ' ');
  };
  // clang-format off
  const QByteArray expected =
      header + dbfField("CODIGO", 6) + dbfField("DESCRIPCI\xD3", 24) + dbfField("CANTIDAD", 10) +
      "\x0D" +  // end of the header; each record starts with a blank: not deleted
      " " + pad("A1", 6) + pad("Azul \"Mar\";\xD1" "and\xFA", 24) + "  1,234.50" +
      " " + pad("B22", 6) + pad("Rojo", 24) + "     -3.00" +
      " " + pad("X", 6) + pad("Y", 24) + pad("", 10) +
      "\x1A";
  // clang-format on
  EXPECT_EQ(exportSample(kal::kDbf, "out.dbf"), expected);
}

TEST_F(GoldenWriters, DatesAreZeroPaddedAndCentredCellsLeftAligned) {
  KExportManager e;
  const QString file = dir.filePath(QStringLiteral("dates.csv"));
  e.QUOTECHAR = QStringLiteral("'");
  e.FIELDDELIMITER = QStringLiteral(",  ");  // trailing blanks do not count
  ASSERT_TRUE(e.INIT(file, QStringLiteral("TEST:Fechas"), dir.filePath(QStringLiteral("b.INI")),
                     kal::kCsv, 0, 1, 0));
  Date day = Date::fromYmd(2026, 1, 5);
  QString name = QStringLiteral("  O'Neil,Ana  ");
  e.ADDFIELD(day, QStringLiteral("@D6"), QStringLiteral("L"), QStringLiteral("Fecha"), 40);
  e.ADDFIELD(name, QStringLiteral("@s20"), QStringLiteral("C"), QStringLiteral("Nombre"), 80);
  ASSERT_TRUE(e.RUN());
  ASSERT_TRUE(e.OPEN());
  ASSERT_TRUE(e.TAKERECORD());
  e.CLOSE();
  EXPECT_EQ(readBytes(file), QByteArray("'05/01/2026','O''Neil, Ana'\r\n"));
}

TEST(WriterEscapes, OnlyTheListedLettersAndTheFormatsOwnCharactersChange) {
  EXPECT_EQ(HtmlWriter::escaped(QString::fromUtf8("ÁÉÍÓÚáéíóúÑñÜü çàÇ")),
            QStringLiteral("&Aacute;&Eacute;&Iacute;&Oacute;&Uacute;&aacute;&eacute;&iacute;"
                           "&oacute;&uacute;&Ntilde;&ntilde;&Uuml;&uuml; ") +
                QString::fromUtf8("çàÇ"));
  // Markup characters are escaped, so a value never becomes markup.
  EXPECT_EQ(HtmlWriter::escaped(QStringLiteral("A<B & C>D")),
            QStringLiteral("A&lt;B &amp; C&gt;D"));
  EXPECT_EQ(RtfWriter::escaped(QString::fromUtf8("ÁÉÍÓÚáéíóúÑñÜü")),
            QByteArray("\\'c1\\'c9\\'cd\\'d3\\'da\\'e1\\'e9\\'ed\\'f3\\'fa\\'d1\\'f1\\'dc\\'fc"));
  EXPECT_EQ(RtfWriter::escaped(QString::fromUtf8("ç{a}\\b")), QByteArray("\xE7\\{a\\}\\\\b"));
  EXPECT_EQ(RtfWriter::escaped(QStringLiteral("'a' \"b\" \"c")),
            QByteArray("\\lquote a\\rquote  \\ldblquote b\\rdblquote  \\ldblquote c"));
}

TEST(WriterColours, TheSixteenStandardColours) {
  EXPECT_EQ(kal::htmlColour(0x000080), QStringLiteral("#800000"));
  EXPECT_EQ(kal::htmlColour(0x808000), QStringLiteral("#008080"));
  EXPECT_EQ(kal::htmlColour(0xC0C0C0), QStringLiteral("#C0C0C0"));
  EXPECT_EQ(kal::htmlColour(0x123456), QStringLiteral("#563412"));  // any colour by its parts
  const kal::Colour rtfOrder[] = {0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0xFF00FF, 0x0000FF,
                                  0x00FFFF, 0xFFFFFF, 0x800000, 0x808000, 0x008000, 0x800080,
                                  0x000080, 0x008080, 0x808080, 0xC0C0C0};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(kal::rtfColourIndex(rtfOrder[i]), i + 1);
  const kal::Colour sheetOrder[] = {0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF,
                                    0xFF00FF, 0xFFFF00, 0x000080, 0x008000, 0x800000, 0x008080,
                                    0x800080, 0x808000, 0xC0C0C0, 0x808080};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(kal::spreadsheetColourIndex(sheetOrder[i]), i + 1);
  EXPECT_EQ(kal::rtfColourIndex(0x123456), 0);
  EXPECT_EQ(kal::spreadsheetColourIndex(0x123456), 0);
}

}  // namespace
}  // namespace bv::test
