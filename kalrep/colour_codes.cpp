#include "kalrep/colour_codes.h"

#include <array>

namespace bv::kal {
namespace {

// Windows values of the colours in the order of the RTF colour table.
constexpr std::array<Colour, 16> kRtfOrder = {
    0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0xFF00FF, 0x0000FF, 0x00FFFF, 0xFFFFFF,
    0x800000, 0x808000, 0x008000, 0x800080, 0x000080, 0x008080, 0x808080, 0xC0C0C0,
};

// Windows values of the colours in the order of the spreadsheet's indexes.
constexpr std::array<Colour, 16> kSpreadsheetOrder = {
    0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00,
    0x000080, 0x008000, 0x800000, 0x008080, 0x800080, 0x808000, 0xC0C0C0, 0x808080,
};

template <std::size_t N>
int positionIn(const std::array<Colour, N>& order, Colour colour) {
  for (std::size_t i = 0; i < N; ++i)
    if (order[i] == colour) return int(i) + 1;
  return 0;
}

}  // namespace

QString htmlColour(Colour colour) {
  const auto c = std::uint32_t(colour);
  return QStringLiteral("#%1%2%3")
      .arg(c & 0xFF, 2, 16, QChar(u'0'))
      .arg((c >> 8) & 0xFF, 2, 16, QChar(u'0'))
      .arg((c >> 16) & 0xFF, 2, 16, QChar(u'0'))
      .toUpper();
}

int rtfColourIndex(Colour colour) { return positionIn(kRtfOrder, colour); }

int spreadsheetColourIndex(Colour colour) { return positionIn(kSpreadsheetOrder, colour); }

}  // namespace bv::kal
