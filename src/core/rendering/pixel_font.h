#pragma once
// Text attributes of a pixel buffer's canvas.

#include <QString>
#include <cstdint>

namespace lumora {

using Colour = uint32_t; // 0x00BBGGRR, red in the lowest byte

inline constexpr Colour MakeColour(int r, int g, int b)
{
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
inline constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
inline constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

struct PixelFont
{
    QString Name = QStringLiteral("Arial");
    // Size in points at the screen's logical resolution of 96 pixels per
    // inch; used when CellHeight is 0.
    int Size = 8;
    // Cell height in pixels (ascent + descent); 0 = take Size; a negative
    // value is a character (em) height in pixels.
    int CellHeight = 0;
    // Average character width in pixels; 0 = the face's own.
    int AverageWidth = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    Colour Color = 0;
};

} // namespace lumora
