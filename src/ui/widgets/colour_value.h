#pragma once
// The program's colour values (0x00BBGGRR, red in the lowest byte) as the
// toolkit's colours.

#include "rendering/pixel_font.h" // Colour

#include <QColor>

namespace lumora {

inline QColor ToQColor(Colour c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

} // namespace lumora
