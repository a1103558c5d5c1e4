#include "imageio/pixel_engine_conversion.h"

#include "common/lumora_error.h"
#include "rendering/lumo_pixelengine.h"

#include <cstring>

namespace lumora {

std::unique_ptr<TPixelEngine> ToPixelEngine(const Bitmap& Picture)
{
    if (Picture.IsEmpty())
        throw LumoraError("There is no picture to use.");
    auto target = std::make_unique<TPixelEngine>(Picture.Width(), Picture.Height());
    CopyIntoPixelEngine(Picture, *target);
    return target;
}

void CopyIntoPixelEngine(const Bitmap& Picture, TPixelEngine& Target)
{
    if (Picture.Width() != Target.Width() || Picture.Height() != Target.Height())
        throw LumoraError("The picture does not have the size of its buffer.");
    const Bitmap colour = Picture.ToTrueColour();
    const int height = colour.Height();
    // Memory rows of the buffer run bottom-up; both hold blue, green, red.
    for (int y = 0; y < height; ++y)
        std::memcpy(Target.Row(height - 1 - y), colour.Row(y),
                    static_cast<size_t>(colour.BytesPerRow()));
}

Bitmap FromPixelEngine(const TPixelEngine& Picture)
{
    if (Picture.Width() == 0 || Picture.Height() == 0)
        return {};
    Bitmap out = Bitmap::TrueColour(Picture.Width(), Picture.Height());
    const int height = out.Height();
    for (int y = 0; y < height; ++y)
        std::memcpy(out.Row(y), Picture.Row(height - 1 - y),
                    static_cast<size_t>(out.BytesPerRow()));
    return out;
}

} // namespace lumora
