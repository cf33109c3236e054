#include "kalrep/writers/rtf_writer.h"

#include <numeric>

#include "kalrep/colour_codes.h"
#include "kalrep/export_file.h"
#include "kalrep/writers/bytes.h"

namespace bv {
namespace {

constexpr char kHead[] =
    "{\\rtf1\\ansi\\ansicpg1252\\uc1 \\deff0\\deflang1033\\deflangfe3082{\\fonttbl{\\f0\\froman"
    "\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}}\r\n";

// The colour table in the order of the indexes: red, green, blue.
constexpr int kColourTable[16][3] = {
    {0, 0, 0},     {0, 0, 255},     {0, 255, 255},   {0, 255, 0},     {255, 0, 255}, {255, 0, 0},
    {255, 255, 0}, {255, 255, 255}, {0, 0, 128},     {0, 128, 128},   {0, 128, 0},   {128, 0, 128},
    {128, 0, 0},   {128, 128, 0},   {128, 128, 128}, {192, 192, 192},
};

constexpr char kRowDefinition[] =
    "\\trowd \\trgaph70\\trleft-70\r\n"
    "\\trbrdrt\\brdrs\\brdrw10\r\n"
    "\\trbrdrl\\brdrs\\brdrw10\r\n"
    "\\trbrdrb\\brdrs\\brdrw10\r\n"
    "\\trbrdrr\\brdrs\\brdrw10\r\n"
    "\\trbrdrh\\brdrs\\brdrw10\r\n"
    "\\trbrdrv\\brdrs\\brdrw10\r\n";

constexpr char kCellDefinition[] =
    "\\clvertalt\r\n"
    "\\clbrdrt\\brdrs\\brdrw10\r\n"
    "\\clbrdrl\\brdrs\\brdrw10\r\n"
    "\\clbrdrb\\brdrs\\brdrw10\r\n"
    "\\clbrdrr\\brdrs\\brdrw10\r\n"
    "\\clcbpat";

constexpr char kRowEnd[] = "{\\row }\r\n";

const char* escapeOf(QChar c) {
  switch (c.unicode()) {
    case u'á':
      return "\\'e1";
    case u'é':
      return "\\'e9";
    case u'í':
      return "\\'ed";
    case u'ó':
      return "\\'f3";
    case u'ú':
      return "\\'fa";
    case u'Á':
      return "\\'c1";
    case u'É':
      return "\\'c9";
    case u'Í':
      return "\\'cd";
    case u'Ó':
      return "\\'d3";
    case u'Ú':
      return "\\'da";
    case u'ñ':
      return "\\'f1";
    case u'Ñ':
      return "\\'d1";
    case u'ü':
      return "\\'fc";
    case u'Ü':
      return "\\'dc";
    case u'\\':
      return "\\\\";
    case u'{':
      return "\\{";
    case u'}':
      return "\\}";
    default:
      return nullptr;
  }
}

}  // namespace

RtfWriter::RtfWriter(ExportFile& file, std::vector<int> widths)
    : file_(file), widths_(std::move(widths)) {}

bool RtfWriter::begin() {
  QByteArray head(kHead);
  head += "{\\colortbl;";
  for (const auto& c : kColourTable)
    head += "\\red" + QByteArray::number(c[0]) + "\\green" + QByteArray::number(c[1]) + "\\blue" +
            QByteArray::number(c[2]) + ';';
  head += "}\r\n";
  return file_.append(head);
}

QByteArray RtfWriter::escaped(const QString& text) {
  QByteArray out;
  out.reserve(text.size());
  bool doubleOpen = true;
  bool singleOpen = true;
  for (const QChar c : text) {
    if (const char* e = escapeOf(c)) {
      out += e;
    } else if (c == u'"') {
      // A control word ends at the first character that is not a letter or a
      // digit; the blank after it keeps the following text from joining it.
      out += doubleOpen ? "\\ldblquote " : "\\rdblquote ";
      doubleOpen = !doubleOpen;
    } else if (c == u'\'') {
      out += singleOpen ? "\\lquote " : "\\rquote ";
      singleOpen = !singleOpen;
    } else {
      appendCp1252(out, QStringView(&c, 1));
    }
  }
  return out;
}

void RtfWriter::appendDefinition(QByteArray& out, bool first, int background, long rightEdge) {
  if (first) out += kRowDefinition;
  out += kCellDefinition;
  out += QByteArray::number(background);
  out += " \\cltxlrtb\\cellx";
  out += QByteArray::number(qlonglong(rightEdge) * 30);
  out += "\r\n";
}

void RtfWriter::appendText(QByteArray& out, const QString& text, QChar justification, int colour) {
  if (justification == u'R')
    out += "\\pard  \\qr\\nowidctlpar\\widctlpar\\intbl\\adjustright\r\n{\\cf";
  else if (justification == u'C')
    out += "\\pard \\qc\\nowidctlpar\\widctlpar\\intbl\\adjustright\r\n{\\cf";
  else
    out += "\\pard \\plain\\nowidctlpar\\widctlpar\\intbl\\adjustright\r\n{\\cf";
  out += QByteArray::number(colour);
  out += ' ';
  out += escaped(text);
  out += "\\cell }\r\n";
}

bool RtfWriter::row(const std::vector<WriterCell>& cells, const RowStyle& style, int) {
  QByteArray out;
  const int background = kal::rtfColourIndex(style.backColour);
  const int colour = kal::rtfColourIndex(style.textColour);
  long edge = 0;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    edge += i < widths_.size() ? widths_[i] : 0;
    appendDefinition(out, i == 0, background, edge);
  }
  for (const WriterCell& c : cells) appendText(out, c.text, c.justification, colour);
  out += kRowEnd;
  return file_.append(out);
}

bool RtfWriter::freeLine(const QString& text, QChar justification, const RowStyle& style, int) {
  QByteArray out;
  const long total = std::accumulate(widths_.begin(), widths_.end(), 0L);
  appendDefinition(out, true, kal::rtfColourIndex(style.backColour), total);
  appendText(out, text, justification, kal::rtfColourIndex(style.textColour));
  out += kRowEnd;
  return file_.append(out);
}

bool RtfWriter::finish(int) { return file_.append(QByteArrayView("}\r\n")); }

}  // namespace bv
