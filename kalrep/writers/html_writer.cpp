#include "kalrep/writers/html_writer.h"

#include "kalrep/colour_codes.h"
#include "kalrep/export_file.h"
#include "kalrep/writers/bytes.h"

namespace bv {
namespace {

constexpr char kHead[] =
    "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\"><HTML><HEAD><TITLE>Reporte"
    "</TITLE><BODY>&nbsp;<CENTER><TABLE bgColor=\"";
constexpr char kHeadEnd[] = "\" border=1 cellPadding=5 width=1><TBODY>\r\n";
constexpr char kTrailer[] = "</TBODY></TABLE></CENTER></BODY></HTML>\r\n";

struct Entity {
  char16_t letter;
  const char* name;
};
constexpr Entity kEntities[] = {
    {u'á', "&aacute;"}, {u'é', "&eacute;"}, {u'í', "&iacute;"}, {u'ó', "&oacute;"},
    {u'ú', "&uacute;"}, {u'Á', "&Aacute;"}, {u'É', "&Eacute;"}, {u'Í', "&Iacute;"},
    {u'Ó', "&Oacute;"}, {u'Ú', "&Uacute;"}, {u'ñ', "&ntilde;"}, {u'Ñ', "&Ntilde;"},
    {u'ü', "&uuml;"},   {u'Ü', "&Uuml;"},   {u'&', "&amp;"},    {u'<', "&lt;"},
    {u'>', "&gt;"},
};

const char* entityOf(QChar c) {
  for (const Entity& e : kEntities)
    if (e.letter == c.unicode()) return e.name;
  return nullptr;
}

}  // namespace

HtmlWriter::HtmlWriter(ExportFile& file, kal::Colour pageColour, int visibleColumns)
    : file_(file), pageColour_(pageColour), visibleColumns_(visibleColumns) {}

QString HtmlWriter::escaped(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    if (const char* e = entityOf(c))
      out += QLatin1StringView(e);
    else
      out += c;
  }
  return out;
}

bool HtmlWriter::begin() {
  QByteArray head(kHead);
  appendCp1252(head, kal::htmlColour(pageColour_));
  head += kHeadEnd;
  return file_.append(head);
}

void HtmlWriter::appendRowStart(QByteArray& out, kal::Colour background) const {
  out += "<TR BGCOLOR=\"";
  appendCp1252(out, kal::htmlColour(background));
  out += "\">";
}

void HtmlWriter::appendCell(QByteArray& out, const QString& text, QChar justification,
                            const RowStyle& style, bool freeLine) const {
  if (freeLine) {
    out += "<TD nowrap colspan=\"";
    out += QByteArray::number(visibleColumns_);
    out += "\">";
  } else {
    out += "<TD nowrap>";
  }
  if (justification == u'R')
    out += "<DIV align=right>";
  else if (justification == u'C')
    out += "<CENTER>";
  out += "<FONT color=\"";
  appendCp1252(out, kal::htmlColour(style.textColour));
  out += "\">";
  appendCp1252(out, escaped(text));
  out += "</FONT>";
  if (justification == u'R')
    out += "</DIV>";
  else if (justification == u'C')
    out += "</CENTER>";
  out += "</TD>";
}

bool HtmlWriter::row(const std::vector<WriterCell>& cells, const RowStyle& style, int) {
  QByteArray out;
  appendRowStart(out, style.backColour);
  for (const WriterCell& c : cells) appendCell(out, c.text, c.justification, style, false);
  out += "</TR>\r\n";
  return file_.append(out);
}

bool HtmlWriter::freeLine(const QString& text, QChar justification, const RowStyle& style, int) {
  QByteArray out;
  appendRowStart(out, style.backColour);
  appendCell(out, text, justification, style, true);
  out += "</TR>\r\n";
  return file_.append(out);
}

bool HtmlWriter::finish(int) { return file_.append(QByteArrayView(kTrailer)); }

}  // namespace bv
