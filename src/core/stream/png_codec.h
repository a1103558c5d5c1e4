#pragma once
// PNG encoding and decoding of 8-bit depth buffers for the project stream,
// through libpng. The PNG is an 8-bit palette picture with the grey
// palette; PNG row i is memory row i of the buffer (bottom row first), so
// the stored picture is upside down. Decoder errors and hostile sizes
// become LumoraError.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace lumora {

class TPixelEngine256;

void EncodePng(const TPixelEngine256& depth, std::vector<uint8_t>& out);

// Each pixel's 8-bit value is the depth; the palette is ignored. Grey
// PNGs are read the same way; colour PNGs are refused.
std::unique_ptr<TPixelEngine256> DecodePng(std::span<const uint8_t> data);

} // namespace lumora
