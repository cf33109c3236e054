// The formula sheet's report drives the library exactly as the program does:
// INIT asking the output, ADDFIELD for 25 columns, RUN asking the file name,
// SETUP and SETFACE from its own override, OPEN and TAKERECORD per record,
// CLOSE. Each of the five file outputs is then opened with another reader.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>

#include "kalrep/export_codes.h"
#include "kalrep_test_support.h"
#include "runtime/choices.h"
#include "runtime/scripted_presenter.h"

namespace bv::test {
namespace {

struct PlanillaRecord {
  QString CODIGO;       // 13 characters
  QString DESCRIPCION;  // 40
  Decimal PESOESP;      // 4 places
  std::array<Decimal, 25> BASICO;
};

// The report's class over the export manager, as the formula sheet derives it.
class GeneraPlanillaExport : public KExportManager {
 public:
  explicit GeneraPlanillaExport(PlanillaRecord& pla) : pla_(pla) {}

  void SETUP() override {
    TOTEXT = 0;
    MYHEADER = 1;
    MYDETAIL = 2;
    MYREPORT = nullptr;
    KALCOLHTEXTO = 0x000000;
    KALCOLHFONDO = 0xC0C0C0;
    KALCOLPAGE = 0xFFFFFF;
    QUOTECHAR = QStringLiteral("\"");
    FIELDDELIMITER = QStringLiteral(";");
    OMITROWCOLOR = 1;
    KExportManager::SETUP();
    SETFACE(0, QStringLiteral("I"), 1, 1, 1, 1, QStringLiteral("V"), QStringLiteral("Listado"), 1,
            &titles_, 0);
  }
  void SETCOLOR() override {
    KALCOLDTEXTO = 0x000000;
    KALCOLDFONDO = 0xFFFFFF;
    KExportManager::SETCOLOR();
  }

  bool initialise(const QString& ini) {
    if (!INIT(QString(), QStringLiteral("RPT:GeneraPlanilla"), ini, 0, 1, 1, 10)) return false;
    const QString L = QStringLiteral("L");
    ADDFIELD(pla_.CODIGO, QStringLiteral("@s13"), L, QStringLiteral("Codigo"), 60);
    ADDFIELD(pla_.DESCRIPCION, QStringLiteral("@s40"), L, QStringLiteral("Descripcion"), 168);
    ADDFIELD(pla_.PESOESP, QStringLiteral("@n8.4"), L, QStringLiteral("PesoEsp"), 40);
    ADDFIELD(pla_.BASICO[0], QStringLiteral("@N8.4"), L, QStringLiteral("basico[1]"), 44);
    for (int i = 2; i <= 9; ++i)
      ADDFIELD(pla_.BASICO[i - 1], QStringLiteral("@n8.4"), L, QStringLiteral("basico[%1]").arg(i),
               44);
    for (int i = 10; i <= 21; ++i)
      ADDFIELD(pla_.BASICO[i - 1], QStringLiteral("@n8.4"), L, QStringLiteral("basico[%1]").arg(i),
               48);
    ADDFIELD(pla_.BASICO[21], QStringLiteral("@S20"), L, QStringLiteral("basico[22]"), 48);
    return RUN() != 0;
  }

 private:
  PlanillaRecord& pla_;
  QStringList titles_;
};

const std::vector<PlanillaRecord>& planilla() {
  static const std::vector<PlanillaRecord> rows = [] {
    std::vector<PlanillaRecord> out(3);
    out[0].CODIGO = QStringLiteral("0101001      ");
    out[0].DESCRIPCION = QString::fromUtf8("Látex Interior Blanco").leftJustified(40);
    out[0].PESOESP = *Decimal::parse(std::string_view("1.2345"));
    out[0].BASICO[0] = *Decimal::parse(std::string_view("12.5"));
    out[0].BASICO[21] =
        Decimal::parse(std::string_view("3.25"))->rounded(4);  // stored with 4 places
    out[1].CODIGO = QStringLiteral("AZ-200       ");
    out[1].DESCRIPCION = QString(40, u' ');  // the finished product does not exist
    out[1].PESOESP = *Decimal::parse(std::string_view("0.98"));
    out[2].CODIGO = QStringLiteral("77           ");
    out[2].DESCRIPCION = QStringLiteral("Rojo \"Oxido\"; mate").leftJustified(40);
    out[2].PESOESP = *Decimal::parse(std::string_view("1"));
    out[2].BASICO[20] = *Decimal::parse(std::string_view("100"));
    return out;
  }();
  return rows;
}

// Runs the report with the user answering the output kind and the file name;
// answers the file written.
QString runReport(const QTemporaryDir& dir, const QString& kind, const QString& name) {
  ScriptedChoices choices;
  ChoicesScope scope(choices);
  choices.answer(QStringLiteral("tipo-salida"), kind);
  choices.answer(QStringLiteral("archivo-salida"), dir.filePath(name));
  PlanillaRecord pla;
  GeneraPlanillaExport report(pla);
  EXPECT_TRUE(report.initialise(dir.filePath(QStringLiteral("bravent.INI"))));
  EXPECT_TRUE(report.EXITNOW());
  EXPECT_FALSE(report.ISAREPORT());
  for (const PlanillaRecord& row : planilla()) {
    pla = row;
    if (!report.OPEN() || !report.TAKERECORD()) {
      ADD_FAILURE() << "record refused";
      break;
    }
  }
  report.CLOSE();
  // The output-type window preselected the printer.
  EXPECT_EQ(choices.asked().front().defaultValue, QStringLiteral("Imp."));
  return report.P->FILENAME;
}

TEST(CallerProtocol, DelimitedText) {
  QTemporaryDir dir;
  const QString file = runReport(dir, QStringLiteral("CSV"), QStringLiteral("planilla"));
  EXPECT_EQ(file, dir.filePath(QStringLiteral("planilla.CSV")));
  const QByteArray bytes = readBytes(file);
  const QList<QByteArray> lines = bytes.split('\n');
  ASSERT_EQ(lines.size(), 5);  // heading, three rows, nothing after the last CR LF
  EXPECT_TRUE(lines[0].startsWith("\"Codigo\";\"Descripcion\";\"PesoEsp\";\"basico[1]\";"));
  EXPECT_TRUE(lines[1].startsWith("\"0101001\";\"L\xE1tex Interior Blanco\";1.2345;12.5000;"));
  EXPECT_TRUE(lines[1].endsWith(";\"3.2500\"\r"));  // the text picture of slot 22 is quoted
  const auto out = python({QStringLiteral("csv")}, QStringLiteral(R"PY(
import csv, sys, json
rows = list(csv.reader(open(sys.argv[1], encoding='cp1252', newline=''), delimiter=';'))
print(json.dumps([len(rows), [len(r) for r in rows], rows[3][1]]))
)PY"),
                          {file});
  if (!out) GTEST_SKIP() << "no Python";
  EXPECT_EQ(*out, QStringLiteral("[4, [25, 25, 25, 25], \"Rojo \\\"Oxido\\\";  mate\"]"));
}

TEST(CallerProtocol, SpreadsheetHasHeadingsInRowOneAndNumbersFromRowTwo) {
  QTemporaryDir dir;
  const QString file = runReport(dir, QStringLiteral("Excel"), QStringLiteral("planilla"));
  EXPECT_EQ(file, dir.filePath(QStringLiteral("planilla.XLSX")));
  const auto out = python({QStringLiteral("openpyxl")}, QStringLiteral(R"PY(
import sys, json, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).active
rows = [[c.value for c in r] for r in ws.iter_rows(min_row=1, max_row=ws.max_row)]
print(json.dumps({'rows': rows, 'cols': ws.max_column}))
)PY"),
                          {file});
  if (!out) GTEST_SKIP() << "openpyxl is not installed";
  ASSERT_FALSE(out->startsWith(QLatin1StringView("FAILED"))) << out->toStdString();
  const QJsonObject book = QJsonDocument::fromJson(out->toUtf8()).object();
  const QJsonArray rows = book.value(QStringLiteral("rows")).toArray();
  ASSERT_EQ(rows.size(), 4);
  EXPECT_EQ(book.value(QStringLiteral("cols")).toInt(), 25);  // A to Y
  const QJsonArray heading = rows[0].toArray();
  EXPECT_EQ(heading[0].toString(), QStringLiteral("Codigo"));
  EXPECT_EQ(heading[24].toString(), QStringLiteral("basico[22]"));
  const QJsonArray first = rows[1].toArray();
  EXPECT_TRUE(first[0].isDouble());  // "0101001" reads as a number, as the spreadsheet takes it
  EXPECT_EQ(first[0].toInt(), 101001);
  EXPECT_EQ(first[1].toString(), QString::fromUtf8("Látex Interior Blanco"));
  EXPECT_DOUBLE_EQ(first[2].toDouble(), 1.2345);
  EXPECT_DOUBLE_EQ(first[3].toDouble(), 12.5);
  EXPECT_DOUBLE_EQ(first[24].toDouble(), 3.25);
  EXPECT_EQ(rows[2].toArray()[0].toString(), QStringLiteral("AZ-200"));
  EXPECT_TRUE(rows[2].toArray()[1].isNull());  // a blank description leaves the cell empty
  EXPECT_DOUBLE_EQ(rows[3].toArray()[23].toDouble(), 100.0);
}

TEST(CallerProtocol, HtmlParses) {
  QTemporaryDir dir;
  const QString file = runReport(dir, QStringLiteral("Html"), QStringLiteral("planilla.htm"));
  EXPECT_EQ(file, dir.filePath(QStringLiteral("planilla.htm")));  // it has its own extension
  const auto out = python({QStringLiteral("html.parser")}, QStringLiteral(R"PY(
import sys, json
from html.parser import HTMLParser
class Cells(HTMLParser):
    def __init__(self):
        super().__init__(); self.rows = []; self.inside = False
    def handle_starttag(self, tag, attrs):
        if tag == 'tr': self.rows.append([])
        if tag == 'td': self.rows[-1].append(''); self.inside = True
    def handle_endtag(self, tag):
        if tag == 'td': self.inside = False
    def handle_data(self, data):
        if self.inside: self.rows[-1][-1] += data
p = Cells(); p.feed(open(sys.argv[1], encoding='cp1252').read()); p.close()
print(json.dumps([len(p.rows), [len(r) for r in p.rows], p.rows[1][1], p.rows[3][1]], ensure_ascii=False))
)PY"),
                          {file});
  if (!out) GTEST_SKIP() << "no Python";
  EXPECT_EQ(*out, QString::fromUtf8("[4, [25, 25, 25, 25], \"Látex Interior Blanco\", "
                                    "\"Rojo \\\"Oxido\\\"; mate\"]"));
}

TEST(CallerProtocol, DbfOpensWithItsFieldsAndRecords) {
  QTemporaryDir dir;
  const QString file = runReport(dir, QStringLiteral("DBF"), QStringLiteral("planilla"));
  EXPECT_EQ(file, dir.filePath(QStringLiteral("planilla.DBF")));
  const auto out = python({QStringLiteral("dbfread")}, QStringLiteral(R"PY(
import sys, json, dbfread
t = dbfread.DBF(sys.argv[1], encoding='cp1252')
recs = list(t)
print(json.dumps([t.field_names[:4], [f.length for f in t.fields][:4], len(t.fields),
                  len(recs), recs[0]['CODIGO'], recs[0]['DESCRIPCIO'], recs[2]['PESOESP']], ensure_ascii=False))
)PY"),
                          {file});
  if (!out) GTEST_SKIP() << "dbfread is not installed";
  EXPECT_EQ(*out, QString::fromUtf8("[[\"CODIGO\", \"DESCRIPCIO\", \"PESOESP\", \"BASICO[1]\"], "
                                    "[13, 40, 8, 8], 25, 3, \"0101001\", "
                                    "\"Látex Interior Blanco\", \"1.0000\"]"));
}

TEST(CallerProtocol, RtfHasOneTableRowPerRecord) {
  QTemporaryDir dir;
  const QString file = runReport(dir, QStringLiteral("RTF"), QStringLiteral("planilla"));
  EXPECT_EQ(file, dir.filePath(QStringLiteral("planilla.RTF")));
  const QByteArray bytes = readBytes(file);
  EXPECT_TRUE(bytes.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
  EXPECT_TRUE(bytes.endsWith("{\\row }\r\n}\r\n"));
  EXPECT_EQ(bytes.count("{\\row }"), 4);
  EXPECT_EQ(bytes.count("\\cellx"), 4 * 25);
  EXPECT_TRUE(bytes.contains("Rojo \\ldblquote Oxido\\rdblquote ; mate"));
}

}  // namespace
}  // namespace bv::test
