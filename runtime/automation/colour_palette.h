#pragma once
// The spreadsheet's standard palette of 56 colours, addressed by colour index
// (1 black, 2 white, 3 red, ...), as red-green-blue values 0xRRGGBB.
#include <cstdint>
#include <optional>

namespace bv {

// nullopt for an index outside 1..56.
std::optional<std::uint32_t> paletteColour(int colourIndex);

}  // namespace bv
