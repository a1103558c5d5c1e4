#include "depthmap/blend_modes.h"

#include "common/numeric.h"
#include "rendering/lumo_pixelengine.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace lumora {

namespace {
constexpr std::array<const char*, kBlendModeCount> kNames = {
    "Addition",
    "Subtraktion",
    "Differenz",
    "Multiplizieren",
    "Negativ multiplizieren",
    "Filter",
    "Ineinanderkopieren",
    "Hartes Licht",
    "Weiches Licht",
    "Beleuchtung",
    "Farbig Abwedeln",
    "Farbig Nachbelichten",
    "Ausschluss",
    "Abdunkeln",
    "Aufhellen",
    "Transparenz",
};

bool IsKeyColour(int red, int green)
{
    return red == 255 && green == 0;
}
} // namespace

QString BlendModeName(int32_t mode)
{
    if (mode < 0 || mode >= kBlendModeCount)
        return {};
    return QString::fromUtf8(kNames[static_cast<size_t>(mode)]);
}

double BlendValue(int32_t mode, double a, double b)
{
    switch (mode) {
    case 0: // Addition
        return a + b;
    case 1: // Subtraktion
        return b - a;
    case 2: // Differenz
        return std::abs(b - a);
    case 3: // Multiplizieren
        return b * a;
    case 4: // Negativ multiplizieren
        return 1 - (1 - b) * (1 - a);
    case 5: // Filter
        return (b + a) / 2 + b * a;
    case 6: // Ineinanderkopieren
        return b < 0.5 ? 2 * b * a : 1 - 2 * (1 - b) * (1 - a);
    case 7: // Hartes Licht
        return a < 0.5 ? 2 * b * a : 1 - 2 * (1 - b) * (1 - a);
    case 8: // Weiches Licht
        return b < 0.5 ? (2 * a * (1 - b) + 1) * b : b - 0.47 * (1 - 2 * a) * (1 - b);
    case 9: // Beleuchtung
        return b + a - 0.5;
    case 10: // Farbig Abwedeln
        return a >= 1 ? a : b / (1 - a);
    case 11: // Farbig Nachbelichten
        return a == 0 ? 1 - (1 - b) : 1 - (1 - b) / a;
    case 12: // Ausschluss
        return b + a - 2 * b * a;
    case 13: // Abdunkeln
        return b > a ? a : b;
    case 14: // Aufhellen
        return b < a ? a : b;
    case 15: // Transparenz
        return 0.5 * a + 0.5 * b;
    default:
        return 0;
    }
}

uint8_t BlendLevel(double r)
{
    if (!(r >= 0))
        r = 0;
    r = std::min(r, 1.0);
    return static_cast<uint8_t>(Round(r * 255));
}

uint8_t BlendPixel(int32_t mode, int foregroundRed, int foregroundGreen, int backgroundRed,
                   int backgroundGreen)
{
    if (IsKeyColour(foregroundRed, foregroundGreen) || IsKeyColour(backgroundRed, backgroundGreen))
        return 0;
    return BlendLevel(BlendValue(mode, foregroundRed / 255.0, backgroundRed / 255.0));
}

std::unique_ptr<TPixelEngine> BlendPictures(const TPixelEngine& foreground,
                                            const TPixelEngine& background, int32_t mode)
{
    auto result = std::make_unique<TPixelEngine>(background.Width(), background.Height());
    for (int i = 0; i < background.Height(); ++i)
        std::memcpy(result->Row(i), background.Row(i), static_cast<size_t>(background.Stride()));
    if (mode < 0 || mode >= kBlendModeCount)
        return result;
    // Memory rows count from the bottom: the common part is taken from the
    // top rows of both pictures.
    const int width = std::min(foreground.Width(), background.Width());
    const int height = std::min(foreground.Height(), background.Height());
    for (int y = 0; y < height; ++y) {
        const uint8_t* f = foreground.Row(foreground.Height() - 1 - y);
        const uint8_t* b = background.Row(background.Height() - 1 - y);
        uint8_t* out = result->Row(result->Height() - 1 - y);
        for (int x = 0; x < width; ++x) {
            // Bytes blue, green, red.
            const uint8_t v =
                BlendPixel(mode, f[3 * x + 2], f[3 * x + 1], b[3 * x + 2], b[3 * x + 1]);
            out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = v;
        }
    }
    return result;
}

} // namespace lumora
