#pragma once
// Bounds on the pictures embedded in project files, checked from the
// embedded header before anything is allocated. The largest picture the
// program makes is a render-size buffer of 10000 x 10000 pixels. Beyond a
// small allowance, a picture may not claim more pixels than its compressed
// bytes can honestly hold, so a few hostile bytes cannot make the reader
// allocate hundreds of megabytes.

#include <cstddef>
#include <cstdint>

namespace lumora {

inline constexpr uint64_t kMaxBlockPicturePixels = 10000ull * 10000ull;
inline constexpr uint64_t kBlockPicturePixelAllowance = 1ull << 20;

// Deflate expands at most 1032 times; a PNG row adds one filter byte.
inline constexpr uint64_t kMaxPngPixelsPerByte = 1032;
// A baseline JPEG spends at least two bits on every 8 x 8 block of every
// component it codes; 2048 leaves room for progressive files.
inline constexpr uint64_t kMaxJpegPixelsPerByte = 2048;

inline bool PlausibleBlockPicture(uint64_t width, uint64_t height, size_t compressedBytes,
                                  uint64_t maxPixelsPerByte)
{
    if (width == 0 || height == 0)
        return false;
    const uint64_t pixels = width * height;
    return pixels <= kMaxBlockPicturePixels &&
           pixels <= kBlockPicturePixelAllowance + compressedBytes * maxPixelsPerByte;
}

} // namespace lumora
