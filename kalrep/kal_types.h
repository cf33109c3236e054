#pragma once
// The export library's field types, named by their size so that the classes'
// fields read as the library declares them (a BYTE flag, a LONG colour).
#include <cstdint>

namespace bv::kal {

using Byte = std::uint8_t;
using Short = std::int16_t;
using UShort = std::uint16_t;
using Long = std::int32_t;
using ULong = std::uint32_t;
// Windows colour values: blue in the high byte, red in the low one.
using Colour = std::int32_t;

}  // namespace bv::kal
