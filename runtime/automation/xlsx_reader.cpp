// Reading ".xlsx" workbooks: the zip package through libzip, its XML parts
// through pugixml. Only what the automation statements read back is kept: the
// sheets, their names, the active one and every cell's value.
#include <zip.h>

#include <QFile>
#include <QHash>
#include <memory>
#include <pugixml.hpp>
#include <string>

#include "runtime/automation/number_text.h"
#include "runtime/automation/workbook_files.h"

namespace bv {
namespace {

struct ZipCloser {
  void operator()(zip_t* z) const { zip_discard(z); }
};
using Zip = std::unique_ptr<zip_t, ZipCloser>;

// No part of a workbook the program reads comes near this; a larger one is
// refused rather than taken into memory.
constexpr zip_uint64_t kMaxEntrySize = 256u * 1024u * 1024u;

// The entry's bytes, read until its end: the size the archive states is not
// trusted (a damaged or hostile file may claim any size).
std::optional<std::string> readEntry(zip_t* zip, const std::string& name) {
  const zip_int64_t index = zip_name_locate(zip, name.c_str(), ZIP_FL_NOCASE);
  if (index < 0) return std::nullopt;
  zip_file_t* f = zip_fopen_index(zip, zip_uint64_t(index), 0);
  if (!f) return std::nullopt;
  std::string data;
  char chunk[64 * 1024];
  for (;;) {
    const zip_int64_t got = zip_fread(f, chunk, sizeof chunk);
    if (got < 0 || data.size() + zip_uint64_t(got) > kMaxEntrySize) {
      zip_fclose(f);
      return std::nullopt;
    }
    if (got == 0) break;
    data.append(chunk, std::size_t(got));
  }
  // Closing checks the entry's checksum.
  if (zip_fclose(f) != 0) return std::nullopt;
  return data;
}

// Element names without their namespace prefix ("x:row" is "row").
std::string_view localName(const pugi::xml_node& n) {
  std::string_view name = n.name();
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node child(const pugi::xml_node& n, std::string_view name) {
  for (pugi::xml_node c : n.children())
    if (localName(c) == name) return c;
  return {};
}

const char* attribute(const pugi::xml_node& n, std::string_view name) {
  for (pugi::xml_attribute a : n.attributes()) {
    std::string_view an = a.name();
    if (an == name) return a.value();
    const auto colon = an.find(':');
    if (colon != std::string_view::npos && an.substr(colon + 1) == name) return a.value();
  }
  return "";
}

// The text of a string item: its <t>, or the <t> of every run (phonetic runs
// left out).
void collectText(const pugi::xml_node& n, std::string& out) {
  for (pugi::xml_node c : n.children()) {
    const auto name = localName(c);
    if (name == "t")
      out += c.text().get();
    else if (name == "r")
      collectText(c, out);
  }
}

bool load(pugi::xml_document& doc, const std::optional<std::string>& data) {
  return data && doc.load_buffer(data->data(), data->size());
}

// "worksheets/sheet1.xml" relative to "xl/", or an absolute "/xl/...".
std::string partPath(const std::string& target) {
  if (!target.empty() && target.front() == '/') return target.substr(1);
  return "xl/" + target;
}

// Cells a sheet may span: a sheet is kept as full rows up to each row's last
// cell, so a few cells at far addresses would otherwise take gigabytes.
constexpr std::size_t kMaxCellSlots = 4'000'000;

// False when the sheet would span more cells than the program keeps.
bool readSheet(const pugi::xml_document& doc, const std::vector<QString>& shared, Sheet& sheet) {
  std::size_t spanned = 0;
  const pugi::xml_node data = child(child(doc, "worksheet"), "sheetData");
  int rowNumber = 0;
  for (pugi::xml_node row : data.children()) {
    if (localName(row) != "row") continue;
    const int given = row.attribute("r").as_int(0);
    rowNumber = given > 0 ? given : rowNumber + 1;
    int columnNumber = 0;
    for (pugi::xml_node c : row.children()) {
      if (localName(c) != "c") continue;
      const auto address = parseCellAddress(QString::fromUtf8(attribute(c, "r")));
      columnNumber = address ? address->column : columnNumber + 1;
      if (rowNumber > kMaxRows || columnNumber > kMaxColumns) continue;
      const std::string_view type = attribute(c, "t");
      const char* v = child(c, "v").text().get();
      Cell cell;
      if (type == "s") {
        const auto index = std::size_t(std::strtoul(v, nullptr, 10));
        if (index < shared.size()) cell.text = shared[index];
      } else if (type == "inlineStr") {
        std::string text;
        collectText(child(c, "is"), text);
        cell.text = QString::fromStdString(text);
      } else if (type == "str" || type == "e") {
        cell.text = QString::fromUtf8(v);
      } else if (type == "b") {
        cell.text = std::string_view(v) == "1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
      } else if (*v) {
        cell.text = numberTextOf(std::strtod(v, nullptr));
        cell.numeric = true;
      }
      if (cell.text.isEmpty()) continue;
      const auto& rows = sheet.rows();
      const std::size_t width = std::size_t(rowNumber) <= rows.size() ? rows[std::size_t(rowNumber - 1)].size() : 0;
      if (std::size_t(columnNumber) > width) spanned += std::size_t(columnNumber) - width;
      if (spanned > kMaxCellSlots) return false;
      sheet.cell({rowNumber, columnNumber}) = std::move(cell);
    }
  }
  return true;
}

}  // namespace

std::optional<Workbook> readXlsxFile(const QString& path, QString* error) {
  const auto fail = [&](const QString& why) -> std::optional<Workbook> {
    if (error) *error = why;
    return std::nullopt;
  };
  int code = 0;
  Zip zip(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code));
  if (!zip) return fail(QStringLiteral("no se puede abrir el archivo"));

  pugi::xml_document workbookDoc, relsDoc, sharedDoc;
  if (!load(workbookDoc, readEntry(zip.get(), "xl/workbook.xml")))
    return fail(QStringLiteral("el archivo no es un libro"));
  load(relsDoc, readEntry(zip.get(), "xl/_rels/workbook.xml.rels"));
  QHash<QString, std::string> targets;
  for (pugi::xml_node r : child(relsDoc, "Relationships").children())
    if (localName(r) == "Relationship")
      targets.insert(QString::fromUtf8(attribute(r, "Id")), attribute(r, "Target"));

  std::vector<QString> shared;
  if (load(sharedDoc, readEntry(zip.get(), "xl/sharedStrings.xml")))
    for (pugi::xml_node si : child(sharedDoc, "sst").children()) {
      if (localName(si) != "si") continue;
      std::string text;
      collectText(si, text);
      shared.push_back(QString::fromStdString(text));
    }

  const pugi::xml_node root = child(workbookDoc, "workbook");
  const int active =
      child(child(root, "bookViews"), "workbookView").attribute("activeTab").as_int(0);
  std::vector<Sheet> sheets;
  for (pugi::xml_node s : child(root, "sheets").children()) {
    if (localName(s) != "sheet") continue;
    Sheet sheet(QString::fromUtf8(attribute(s, "name")));
    const auto target = targets.find(QString::fromUtf8(attribute(s, "id")));
    pugi::xml_document sheetDoc;
    if (target != targets.end() && load(sheetDoc, readEntry(zip.get(), partPath(*target))) &&
        !readSheet(sheetDoc, shared, sheet))
      return fail(QStringLiteral("la hoja es demasiado grande"));
    sheets.push_back(std::move(sheet));
  }
  if (sheets.empty()) return fail(QStringLiteral("el libro no tiene hojas"));
  return Workbook(std::move(sheets), active);
}

}  // namespace bv
