#pragma once
// The sixteen blend modes of the blend dialog: two colour pictures of the
// same size combined pixel by pixel on their red channels into a grey
// result.

#include <QString>
#include <cstdint>
#include <memory>

namespace lumora {

class TPixelEngine;

inline constexpr int32_t kBlendModeCount = 16;
inline constexpr int32_t kDefaultBlendMode = 0; // "Addition"

// The choice list's texts, in index order; empty outside 0..15.
QString BlendModeName(int32_t mode);

// r for the foreground a and background b (both 0..1) by the mode, before
// clamping; 0 for a mode outside 0..15.
double BlendValue(int32_t mode, double a, double b);

// r clamped to 0..1 (anything not >= 0, not-a-number too, is 0) and scaled
// to a grey level with Round(r * 255).
uint8_t BlendLevel(double r);

// The grey of one pixel from the red and green bytes of both pixels: 0
// when either pixel has red 255 and green 0.
uint8_t BlendPixel(int32_t mode, int foregroundRed, int foregroundGreen, int backgroundRed,
                   int backgroundGreen);

// The result picture: a copy of the background, every pixel both pictures
// have (their common part, should the sizes differ) set to the blended
// grey on all three channels. A mode outside 0..15 leaves the copy as it
// is.
std::unique_ptr<TPixelEngine> BlendPictures(const TPixelEngine& foreground,
                                            const TPixelEngine& background, int32_t mode);

} // namespace lumora
