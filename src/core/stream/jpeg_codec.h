#pragma once
// JPEG encoding and decoding of 24-bit pictures for the project stream,
// through libjpeg. Decoder errors and hostile sizes become LumoraError.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace lumora {

class TPixelEngine;

// Appends a complete JFIF stream of the picture (top row first) to out.
void EncodeJpeg(const TPixelEngine& picture, int quality, std::vector<uint8_t>& out);

// Decodes a complete JPEG stream into a new picture of its size.
std::unique_ptr<TPixelEngine> DecodeJpeg(std::span<const uint8_t> data);

} // namespace lumora
