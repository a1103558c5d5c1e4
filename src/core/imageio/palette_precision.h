#pragma once
// Palettes read from PCX and Targa files keep 6 bits per component, as the
// picture formats of the VGA era did. The 6-bit value is widened back to
// 8 bits by repeating its top bits in the low two (v << 2 | v >> 4), so
// 0 stays 0, 63 becomes 255, and the steps are spread evenly.

#include <cstdint>

namespace lumora {

inline uint8_t WidenSixBits(uint8_t sixBits)
{
    return static_cast<uint8_t>((sixBits << 2) | (sixBits >> 4));
}

inline uint8_t KeepSixBits(uint8_t eightBits)
{
    return WidenSixBits(static_cast<uint8_t>(eightBits >> 2));
}

} // namespace lumora
