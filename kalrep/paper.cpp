#include "kalrep/paper.h"

#include <array>
#include <cmath>

namespace bv::paper {
namespace {

struct Paper {
  const char* entry;  // UTF-8
  int code;
  long width;
  long height;
};

const std::array<Paper, kCount> kPapers = {{
    {"Letter 8 1/2 x 11 in", 1, 8500, 11000},
    {"Letter Small 8 1/2 x 11 in", 2, 8500, 11000},
    {"Tabloid 11 x 17 in", 3, 11000, 17000},
    {"Ledger 17 x 11 in", 4, 17000, 11000},
    {"Legal 8 1/2 x 14 in", 5, 8500, 14000},
    {"Statement 5 1/2 x 8 1/2 in", 6, 5500, 8500},
    {"Executive 7 1/4 x 10 1/2 in", 7, 7250, 10500},
    {"A3 297 x 420 mm", 8, 11688, 15128},
    {"A4 210 x 297 mm", 9, 8250, 11688},
    {"A4 Small 210 x 297 mm", 10, 8264, 11688},
    {"A5 148 x 210 mm", 11, 5824, 8264},
    {"B4 250 x 354", 12, 9838, 13931},
    {"B5 182 x 257 mm", 13, 7162, 10113},
    {"Folio 8 1/2 x 13 in", 14, 8500, 13000},
    {"Quarto 215 x 275 mm", 15, 8461, 10822},
    {"10x14 in", 16, 10000, 14000},
    {"11x17 in", 17, 11000, 17000},
    {"Note 8 1/2 x 11 in", 18, 8500, 11000},
    {"Envelope #9 3 7/8 x 8 7/8", 19, 3875, 8875},
    {"Envelope #10 4 1/8 x 9 1/2", 20, 4125, 9500},
    {"Envelope #11 4 1/2 x 10 3/8", 21, 4500, 10375},
    {"Envelope #12 4\u00be x 11", 22, 4276, 11000},
    {"Envelope #14 5 x 11 1/2", 23, 5000, 11500},
    {"Envelope DL 110 x 220 mm", 27, 4328, 8657},
    {"Envelope C5 162 x 229 mm", 28, 6375, 9011},
    {"Envelope C3  324 x 458 mm", 29, 12750, 18023},
    {"Envelope C4  229 x 324 mm", 30, 9011, 12750},
    {"Envelope C6  114 x 162 mm", 31, 4486, 6375},
    {"Envelope C65 114 x 229 mm", 32, 4486, 9011},
    {"Envelope B4  250 x 353 mm", 33, 9838, 13891},
    {"Envelope B5  176 x 250 mm", 34, 6926, 9838},
    {"Envelope B6  176 x 25 mm", 35, 6926, 4919},
    {"Envelope 110 x 230 mm", 36, 4328, 9051},
    {"Envelope Monarch 3.875 x 7.5 in", 37, 3875, 7500},
    {"6 3/4 Envelope 3 5/8 x 6 1/2 in", 38, 3625, 6500},
    {"US Std Fanfold 14 7/8 x 11 in", 39, 14875, 11000},
    {"German Std Fanfold 8 1/2 x 12 in", 40, 8500, 12000},
    {"German Legal Fanfold 8 1/2 x 13 in", 41, 8500, 13000},
}};

const Paper* paperOfCode(int code) {
  for (const Paper& p : kPapers)
    if (p.code == code) return &p;
  return nullptr;
}

}  // namespace

const QStringList& entries() {
  static const QStringList list = [] {
    QStringList out;
    for (const Paper& p : kPapers) out.append(QString::fromUtf8(p.entry));
    return out;
  }();
  return list;
}

QString entryList() { return entries().join(u'|'); }

int codeOfPosition(int position) {
  return position >= 1 && position <= kCount ? kPapers[std::size_t(position - 1)].code : 0;
}

int positionOfCode(int code) {
  for (int i = 0; i < kCount; ++i)
    if (kPapers[std::size_t(i)].code == code) return i + 1;
  return 0;
}

Size sizeOfCode(int code, Unit unit) {
  const Paper* p = paperOfCode(code);
  if (!p) return {};
  switch (unit) {
    case Unit::Millimetres:
      return {long(double(p->width) / kMillimetre), long(double(p->height) / kMillimetre)};
    case Unit::ListUnits:
      return {p->width * kListUnitsPerInch / 1000, p->height * kListUnitsPerInch / 1000};
    case Unit::ThousandthsOfInch:
      break;
  }
  return {p->width, p->height};
}

Size sizeAtPosition(int position, Unit unit) { return sizeOfCode(codeOfPosition(position), unit); }

int largestUsableWidth(int position, QChar orientation) {
  const Size s = sizeAtPosition(position);
  const long side = orientation.toUpper() == u'H' ? s.height : s.width;
  return int(std::lround(double(side) / kMillimetre)) - kMarginMillimetres;
}

long listUnitsOfMillimetres(long millimetres) {
  return std::lround(double(millimetres) * kMillimetre * kListUnitsPerInch / 1000.0);
}

long millimetresOfListUnits(long units) {
  return std::lround(double(units) * 1000.0 / (kListUnitsPerInch * kMillimetre));
}

}  // namespace bv::paper
