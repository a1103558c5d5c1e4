#pragma once
// Pictures for the afterburner tests: a stereogram stand-in with a distinct
// colour in every pixel, comparisons, and the box of the pixels that changed.

#include "rendering/lumo_pixelengine.h"

#include <QRect>
#include <memory>

namespace lumora::test {

// Every pixel a colour that follows from its position and is never black
// or white, so any drawing shows.
inline Colour PatternColour(int x, int y)
{
    return MakeColour(40 + (x * 7 + y) % 170, 40 + (y * 5 + x * 3) % 170, 40 + (x + y * 11) % 170);
}

inline std::unique_ptr<TPixelEngine> PatternPicture(int w, int h)
{
    auto p = std::make_unique<TPixelEngine>(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p->SetPixel(x, y, PatternColour(x, y));
    return p;
}

inline std::unique_ptr<TPixelEngine> CopyOf(const TPixelEngine& p)
{
    auto copy = std::make_unique<TPixelEngine>(p.Width(), p.Height());
    p.DrawTo(*copy, 0, 0);
    return copy;
}

inline bool SamePixels(const TPixelEngine& a, const TPixelEngine& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                return false;
    return true;
}

// The smallest rectangle holding every pixel where a and b differ; empty
// when none does.
inline QRect ChangedBox(const TPixelEngine& a, const TPixelEngine& b)
{
    QRect box;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

// The number of pixels of picture that have colour c.
inline int CountColour(const TPixelEngine& picture, Colour c)
{
    int n = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            n += picture.Pixel(x, y) == c ? 1 : 0;
    return n;
}

} // namespace lumora::test
